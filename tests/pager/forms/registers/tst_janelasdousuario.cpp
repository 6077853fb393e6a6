// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "core/settings/ArquivoIni.h"
#include "forms/main/JanelasDoPrincipal.h"
#include "forms/main/frmPrincipal.h"

#include <QAction>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// The main window's menu items and tool buttons open the users register and the compose
// window of the program (JanelasPadrao), lending them its settings file and status line.
class TestJanelasDoUsuario : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comandoAbreAJanela_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("janela");
        QTest::newRow("menu Cadastrar Novo")
            << QStringLiteral("&Cadastrar Novo") << QStringLiteral("frmCadastraUsuarios");
        QTest::newRow("menu Visualizar Cadastro")
            << QStringLiteral("&Visualizar Cadastro") << QStringLiteral("frmVisualizaUsuarios");
        QTest::newRow("botão de usuários")
            << QStringLiteral("cmdVisualizaUsuarios") << QStringLiteral("frmVisualizaUsuarios");
        QTest::newRow("menu Digitar + Enviar")
            << QStringLiteral("Digitar + Enviar") << QStringLiteral("frmMontaMsg");
        QTest::newRow("botão de envio")
            << QStringLiteral("cmdDiscarEnviar") << QStringLiteral("frmMontaMsg");
    }
    void comandoAbreAJanela()
    {
        QFETCH(QString, comando);
        QFETCH(QString, janela);
        BancoTemporario banco;
        QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
        QTemporaryDir configuracao;
        CaixaMensagemGravada caixa;
        QStringList abertas;
        QStringList statusDentro;

        frmPrincipal::Dependencias d;
        d.pastaPrograma = banco.Pasta();
        d.pastaConfiguracao = configuracao.path();
        d.caixa = &caixa;
        d.janelas = JanelasPadrao();
        frmPrincipal *principal = nullptr;
        d.executaDialogo = [&](QDialog &dialogo) {
            abertas << dialogo.objectName();
            // From the users view, a new user: the dialog opens over it and the main
            // window's status line tells what is going on.
            if (dialogo.objectName() == QStringLiteral("frmVisualizaUsuarios")
                && abertas.size() == 1)
                dialogo.findChild<QToolButton *>(QStringLiteral("cmdCadastrarGrupo"))->click();
            if (dialogo.objectName() == QStringLiteral("frmCadastraUsuarios")
                && abertas.size() == 2)
                statusDentro << principal->status();
            if (dialogo.objectName() == QStringLiteral("frmMontaMsg"))
                dialogo.findChild<QToolButton *>(QStringLiteral("cmdRetornar"))->click();
        };
        frmPrincipal p(std::move(d));
        principal = &p;

        if (auto *botao = p.findChild<QToolButton *>(comando)) {
            botao->click();
        } else {
            QAction *acao = nullptr;
            for (QAction *a : p.findChildren<QAction *>()) {
                if (a->text() == comando)
                    acao = a;
            }
            QVERIFY2(acao, qPrintable(comando));
            acao->trigger();
        }

        QCOMPARE(abertas.value(0), janela);
        QCOMPARE(caixa.quantidade(), 0);
        if (janela == QStringLiteral("frmVisualizaUsuarios")) {
            QCOMPARE(abertas,
                QStringList({QStringLiteral("frmVisualizaUsuarios"),
                    QStringLiteral("frmCadastraUsuarios")}));
            QCOMPARE(statusDentro,
                QStringList({QStringLiteral(" Inserindo um novo usuário no cadastro ...")}));
            QCOMPARE(p.status(), QStringLiteral(" Pronto"));
        }
        if (janela == QStringLiteral("frmMontaMsg")) {
            // The compose window wrote its list kind to the main window's settings file.
            QCOMPARE(ArquivoIni(configuracao.path(), QStringLiteral("Tellumo.INI"))
                         .LePerfil(QStringLiteral("LISTAGEM"), QStringLiteral("Opção"), QString()),
                QStringLiteral("Usuário"));
        }
    }
};

QTEST_MAIN(TestJanelasDoUsuario)
#include "tst_janelasdousuario.moc"
