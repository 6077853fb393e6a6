// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaPrincipal.h"
#include "core/directory/BancoDeDados.h"
#include "core/modem/Discagem.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// The modem settings the main window opens: "Configurar Modem", the advanced options and
// the dialing prefixes both keep.
class TestConfiguraModem : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { FechaBancoDeDados(); }

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

QTEST_MAIN(TestConfiguraModem)
#include "tst_configuramodem.moc"
