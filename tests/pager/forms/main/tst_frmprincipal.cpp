// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaPrincipal.h"
#include "core/directory/BancoDeDados.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QToolButton>

// The main window itself: its menus, tool bar, status line and the ways out.
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
};

QTEST_MAIN(TestFrmPrincipal)
#include "tst_frmprincipal.moc"
