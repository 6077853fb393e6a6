#include "BancadaPrincipal.h"
#include "core/directory/BancoDeDados.h"
#include "core/modem/Discagem.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

class TestFrmPrincipal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { FechaBancoDeDados(); }

    void menus_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QKeySequence>("atalho");
        QTest::newRow("configurar modem") << "mnuConfigurarModem"
                                          << "&Configurar Modem" << QKeySequence();
        QTest::newRow("opções avançadas") << "mnuOpcoesAvancadas"
                                          << "&Opções Avançadas" << QKeySequence();
        QTest::newRow("sair") << "mnuSair"
                              << "Sai&r" << QKeySequence();
        QTest::newRow("grupos") << "mnuGruposCadastro"
                                << "&Cadastro de Grupos" << QKeySequence(Qt::CTRL | Qt::Key_F4);
        QTest::newRow("usuários do grupo")
            << "mnuGruposExibirUsuarioGrupo"
            << "E&xibir Usuarios do Grupo" << QKeySequence(Qt::CTRL | Qt::Key_F8);
        QTest::newRow("cadastrar") << "mnuUsuariosCadastraNovo"
                                   << "&Cadastrar Novo" << QKeySequence(Qt::Key_F5);
        QTest::newRow("visualizar") << "mnuUsuariosVisualizaCadastro"
                                    << "&Visualizar Cadastro" << QKeySequence(Qt::Key_F4);
        QTest::newRow("digitar") << "mnuDigitaEnviaMsg"
                                 << "Digitar + Enviar" << QKeySequence(Qt::CTRL | Qt::Key_M);
        QTest::newRow("histórico") << "mnuMensagemExibirHistorico"
                                   << "E&xibir Histórico" << QKeySequence(Qt::CTRL | Qt::Key_H);
        QTest::newRow("ajuda") << "mnuExibirAjuda"
                               << "E&xibir a Ajuda" << QKeySequence(Qt::Key_F1);
        QTest::newRow("sobre") << "mnuAjudaSobre"
                               << "So&bre o Programa" << QKeySequence(Qt::CTRL | Qt::Key_F1);
    }
    void menus()
    {
        QFETCH(QString, nome);
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        auto *acao = j.findChild<QAction *>(nome);
        QVERIFY(acao);
        QTEST(acao->text(), "texto");
        QTEST(acao->shortcut(), "atalho");
    }

    void barraDeFerramentas_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("dica");
        QTest::addColumn<QString>("janela");
        QTest::newRow("grupos") << "cmdGrupos"
                                << "Visualisar Cadastro de Grupos"
                                << "grupos";
        QTest::newRow("usuários") << "cmdVisualizaUsuarios"
                                  << "Exibir o Cadastro de Usuários"
                                  << "usuarios";
        QTest::newRow("histórico") << "cmdExibirHistorico"
                                   << "Exibir Histórico de Todas as Mensagens Enviadas"
                                   << "historico";
        QTest::newRow("enviar") << "cmdDiscarEnviar"
                                << "Digitar e Enviar Mensagens"
                                << "montaMsg";
    }
    void barraDeFerramentas()
    {
        QFETCH(QString, nome);
        QFETCH(QString, janela);
        BancadaPrincipal b;
        QStringList abertas;
        const auto registra = [&](const char *qual) {
            return [&abertas, qual](frmPrincipal &) { abertas << QString::fromLatin1(qual); };
        };
        b.janelas.cadastroGrupos = registra("grupos");
        b.janelas.visualizaUsuarios = registra("usuarios");
        b.janelas.historico = registra("historico");
        b.janelas.montaMsg = registra("montaMsg");
        frmPrincipal &j = b.cria();
        auto *botao = j.findChild<QToolButton *>(nome);
        QVERIFY(botao);
        QVERIFY(botao->parentWidget()->objectName() == QStringLiteral("pnlToolBar"));
        QTEST(botao->toolTip(), "dica");
        QVERIFY(!botao->icon().isNull());
        botao->click();
        QCOMPARE(abertas, QStringList{janela});
    }

    void botoesDaEsquerdaParaADireitaComIntervaloAntesDoUltimo()
    {
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        j.show();
        const char *ordem[]
            = {"cmdGrupos", "cmdVisualizaUsuarios", "cmdExibirHistorico", "cmdDiscarEnviar"};
        QList<QRect> r;
        for (const char *n : ordem)
            r.append(j.findChild<QToolButton *>(QString::fromLatin1(n))->geometry());
        for (int i = 1; i < 4; ++i)
            QVERIFY(r.at(i).left() > r.at(i - 1).right());
        QVERIFY(r.at(3).left() - r.at(2).right() > r.at(1).left() - r.at(0).right() + 8);
    }

    void linhaDeStatusAcompanhaALargura()
    {
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        j.resize(500, 300);
        j.show();
        auto *rodape = j.findChild<QFrame *>(QStringLiteral("pnlFooterBar"));
        auto *status = j.findChild<QLabel *>(QStringLiteral("pnlStatus"));
        QVERIFY(rodape && status);
        QCOMPARE(status->parentWidget(), rodape);
        const int folga = 90 * j.logicalDpiX() / 1440;
        QTRY_COMPARE_WITH_TIMEOUT(status->width(), rodape->width() - folga, 1000);
        // At once, from the resize itself: no timer has had the chance to run.
        j.resize(900, 300);
        QCoreApplication::sendPostedEvents();
        QVERIFY(rodape->width() > 800);
        QCOMPARE(status->width(), rodape->width() - folga);
    }

    void ajudaAindaNaoDisponivel()
    {
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        j.findChild<QAction *>(QStringLiteral("mnuExibirAjuda"))->trigger();
        QCOMPARE(b.caixa.quantidade(), 1);
        QCOMPARE(b.caixa.ultimo().texto, QStringLiteral("Ajuda ainda não disponível"));
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Tellumo"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Nenhum);
        QCOMPARE(b.caixa.ultimo().botoes, CaixaMensagem::Botoes::Ok);
    }

    void sairFechaOBanco()
    {
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        j.show();
        QVERIFY(AbreBancoDeDados(b.programa.path(), QStringLiteral("Pager.Mdb")));
        j.findChild<QAction *>(QStringLiteral("mnuSair"))->trigger();
        QVERIFY(!BancoDeDados().isOpen());
        QVERIFY(j.encerrado());
        QVERIFY(!j.isVisible());
        QVERIFY(b.caixa.quantidade() == 0);
    }

    void fecharAJanelaFechaOBanco()
    {
        BancadaPrincipal b;
        frmPrincipal &j = b.cria();
        j.show();
        QVERIFY(AbreBancoDeDados(b.programa.path(), QStringLiteral("Pager.Mdb")));
        QVERIFY(j.close());
        QVERIFY(!BancoDeDados().isOpen());
        QVERIFY(b.caixa.quantidade() == 0);
    }

    // "Configurar Modem" preselects the dialog from the file.
    void configurarModemPreseleciona_data()
    {
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("linha");
        QTest::addColumn<QString>("prefixo");
        QTest::addColumn<QStringList>("marcadas");
        QTest::addColumn<QString>("prefixoMostrado");
        QTest::newRow("porta 2, pulso, 021")
            << "2"
            << "Pulso"
            << "021" << QStringList{"optCom2", "optDiscagemPulso"} << "021";
        QTest::newRow("nada no arquivo: Tom e 011")
            << QString() << QString() << QString() << QStringList{"optDiscagemTom"} << "011";
        QTest::newRow("Linha estranha: nenhuma") << "4"
                                                 << "tom"
                                                 << "" << QStringList{"optCom4"} << "";
        QTest::newRow("porta fora de 1 a 4") << "7"
                                             << "Tom"
                                             << "031" << QStringList{"optDiscagemTom"} << "031";
    }
    void configurarModemPreseleciona()
    {
        QFETCH(QString, porta);
        QFETCH(QString, linha);
        QFETCH(QString, prefixo);
        QFETCH(QStringList, marcadas);
        QFETCH(QString, prefixoMostrado);
        BancadaPrincipal b;
        if (!porta.isNull())
            b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), porta);
        if (!linha.isNull())
            b.grava(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), linha);
        if (!prefixo.isNull())
            b.grava(QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"), prefixo);
        QStringList vistas;
        QString prefixoVisto;
        b.aoDialogo = [&](QDialog &d) {
            vistas = BancadaPrincipal::opcoesMarcadas(d);
            prefixoVisto = d.findChild<QLineEdit *>(QStringLiteral("txtPrefixo"))->text();
            d.reject();
        };
        b.caixa.respostaPadrao = CaixaMensagem::Resposta::Nao;
        frmPrincipal &j = b.cria();
        j.mnuConfigurarModem_Click();
        vistas.sort();
        marcadas.sort();
        QCOMPARE(vistas, marcadas);
        QCOMPARE(prefixoVisto, prefixoMostrado);
    }

    // The file is read after " Lendo ..." and before " Configurando modem.".
    void configurarModemPreselecionaEntreOsDoisAvisos()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        frmPrincipal &j = b.cria();
        QObject::connect(&j, &frmPrincipal::statusAlterado, [&b](const QString &t) {
            if (t.startsWith(QStringLiteral(" Lendo")))
                b.grava(
                    QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("2"));
            if (t == QStringLiteral(" Configurando modem."))
                b.grava(
                    QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("3"));
        });
        QStringList vistas;
        b.aoDialogo = [&](QDialog &d) {
            vistas = BancadaPrincipal::opcoesMarcadas(d);
            d.reject();
        };
        j.mnuConfigurarModem_Click();
        QVERIFY(vistas.contains(QStringLiteral("optCom2")));
    }

    void configurarModemReabreAPorta()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        frmPrincipal &j = b.cria();
        b.linha.abre(QStringLiteral("/dev/ttyS0"), QStringLiteral("9600,e,7,1"));
        b.aoDialogo = [](QDialog &d) {
            BancadaPrincipal::clica(d, "optCom3");
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        j.mnuConfigurarModem_Click();
        QCOMPARE(b.status,
            (QStringList{QStringLiteral(" Lendo configurações do modem, aguarde ..."),
                QStringLiteral(" Configurando modem."),
                QStringLiteral(" Inicializando variáveis, aguarde ..."),
                QStringLiteral(" Inicializando Modem, aguarde ..."), QStringLiteral(" Pronto")}));
        QCOMPARE(b.linha.aberturas().constLast(), QStringLiteral("/dev/ttyS2|9600,e,7,1"));
        QCOMPARE(b.linha.escrito(), QByteArray("ATZ\rate0\r"));
        QCOMPARE(j.modulo().NumeroPorta(), 3);
        QCOMPARE(b.ini().LePerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), {}),
            QStringLiteral("3"));
    }

    void configurarModemSemPortaPerguntaDeNovo()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("2"));
        b.caixa.responde({CaixaMensagem::Resposta::Sim, CaixaMensagem::Resposta::Nao});
        QList<QStringList> vistas;
        b.aoDialogo = [&](QDialog &d) {
            vistas.append(BancadaPrincipal::opcoesMarcadas(d));
            // First time: clear the port the file had and confirm with none.
            for (QRadioButton *o : d.findChildren<QRadioButton *>()) {
                o->setAutoExclusive(false);
                o->setChecked(false);
            }
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        frmPrincipal &j = b.cria();
        j.mnuConfigurarModem_Click();
        QCOMPARE(vistas.size(), 2);
        QCOMPARE(vistas.at(0),
            (QStringList{QStringLiteral("optCom2"), QStringLiteral("optDiscagemTom")}));
        QVERIFY(vistas.at(1).isEmpty());
        QCOMPARE(b.caixa.quantidade(), 3);
        QVERIFY(j.encerrado());
        QCOMPARE(b.ini().LePerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"),
                     QStringLiteral("VAZIO")),
            QString());
        QCOMPARE(j.modulo().NumeroPorta(), 0);
    }

    void opcoesAvancadasCarrega_data()
    {
        QTest::addColumn<QString>("pabx");
        QTest::addColumn<QString>("autoEnviar");
        QTest::addColumn<bool>("pabxMarcado");
        QTest::addColumn<bool>("autoMarcado");
        QTest::newRow("ausentes") << QString() << QString() << false << false;
        QTest::newRow("Sim") << "Sim"
                             << "Sim" << true << true;
        QTest::newRow("Não") << "Não"
                             << "Não" << false << false;
        QTest::newRow("valor estranho marca") << "Talvez"
                                              << "" << true << true;
    }
    void opcoesAvancadasCarrega()
    {
        QFETCH(QString, pabx);
        QFETCH(QString, autoEnviar);
        BancadaPrincipal b;
        if (!pabx.isNull())
            b.grava(QStringLiteral("DISCAGEM"), QStringLiteral("PABX"), pabx);
        if (!autoEnviar.isNull())
            b.grava(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), autoEnviar);
        b.grava(QStringLiteral("DISCAGEM"), QStringLiteral("PrefixoPABX"), QStringLiteral("9"));
        bool vistoPabx = false, vistoAuto = false;
        QString prefixo;
        b.aoDialogo = [&](QDialog &d) {
            d.show();
            vistoPabx = d.findChild<QCheckBox *>(QStringLiteral("chkPABX"))->isChecked();
            vistoAuto = d.findChild<QCheckBox *>(QStringLiteral("chkAutoEnviar"))->isChecked();
            prefixo = d.findChild<QLineEdit *>(QStringLiteral("txtPrefixo"))->text();
            d.reject();
        };
        frmPrincipal &j = b.cria();
        j.findChild<QAction *>(QStringLiteral("mnuOpcoesAvancadas"))->trigger();
        QCOMPARE(b.dialogos, QStringList{QStringLiteral("frmAvancada")});
        QTEST(vistoPabx, "pabxMarcado");
        QTEST(vistoAuto, "autoMarcado");
        QCOMPARE(prefixo, QStringLiteral("9"));
    }

    void opcoesAvancadasGravaEPrefixoVazioDaUmW()
    {
        BancadaPrincipal b;
        b.aoDialogo = [](QDialog &d) {
            d.show();
            BancadaPrincipal::clica(d, "chkAutoEnviar");
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        frmPrincipal &j = b.cria();
        j.mnuOpcoesAvancadas_Click();
        const ArquivoIni ini = b.ini();
        QCOMPARE(ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("PrefixoPABX"),
                     QStringLiteral("VAZIO")),
            QString());
        QCOMPARE(ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("PABX"), {}),
            QStringLiteral("Não"));
        QCOMPARE(ini.LePerfil(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), {}),
            QStringLiteral("Sim"));
        QCOMPARE(MontaLinhaDiscagem(LeParametrosDiscagem(ini)),
            QStringLiteral("ATDP W") + TelefonePadrao());
    }

    // The prefixes go to the settings file and the modem line, which hold Windows-1252 only:
    // a character beyond it is refused as it is typed.
    void prefixoSoAceitaOQueOArquivoGuarda_data()
    {
        QTest::addColumn<bool>("modem");
        QTest::addColumn<QString>("chave");
        QTest::newRow("Configurar Modem") << true << "Prefixo";
        QTest::newRow("Opções Avançadas") << false << "PrefixoPABX";
    }
    void prefixoSoAceitaOQueOArquivoGuarda()
    {
        QFETCH(bool, modem);
        QFETCH(QString, chave);
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        QString visto;
        b.aoDialogo = [&](QDialog &d) {
            d.show();
            auto *txt = d.findChild<QLineEdit *>(QStringLiteral("txtPrefixo"));
            txt->clear();
            QTest::keyClicks(txt, QStringLiteral("0"));
            QTest::sendKeyEvent(
                QTest::Click, txt, Qt::Key_unknown, QStringLiteral("\u2603"), Qt::NoModifier);
            QTest::keyClicks(txt, QStringLiteral("21"));
            visto = txt->text();
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        frmPrincipal &j = b.cria();
        if (modem)
            j.mnuConfigurarModem_Click();
        else
            j.mnuOpcoesAvancadas_Click();
        QCOMPARE(visto, QStringLiteral("021"));
        QCOMPARE(b.ini().LePerfil(QStringLiteral("DISCAGEM"), chave, {}), QStringLiteral("021"));
    }

    void dialogoDoModemSemEscolhasGravaVazio()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), QStringLiteral("Tom"));
        b.caixa.respostaPadrao = CaixaMensagem::Resposta::Nao;
        b.aoDialogo = [](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("txtPrefixo"))->setText(QStringLiteral("21"));
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        frmPrincipal &j = b.cria();
        j.modulo().DefineNumeroPorta(4);
        QVERIFY(!j.Form_Load());
        const ArquivoIni ini = b.ini();
        QCOMPARE(ini.LePerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"),
                     QStringLiteral("VAZIO")),
            QString());
        QCOMPARE(ini.LePerfil(
                     QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), QStringLiteral("VAZIO")),
            QString());
        QCOMPARE(ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"), {}),
            QStringLiteral("21"));
        QCOMPARE(j.modulo().NumeroPorta(), 0);
    }
};

QTEST_MAIN(TestFrmPrincipal)
#include "tst_frmprincipal.moc"
