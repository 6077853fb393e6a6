// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDaComposicao.h"
#include "Digita.h"
#include "core/compose/EstadoGlobal.h"
#include "forms/send/frmMontaMsg.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

// The compose window's choice between the users' and the groups' list, and the rules the
// message text is typed under.
class TestMontaMsg : public QObject, CenarioDaComposicao
{
    Q_OBJECT

    QString Opcao() const
    {
        return ini_->LePerfil(QStringLiteral("LISTAGEM"), QStringLiteral("Opção"), QString());
    }

private Q_SLOTS:
    void init() { Prepara(); }
    void cleanup() { Encerra(); }

    void primeiraAberturaListaUsuariosEGravaAOpcao()
    {
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("2"));
        const int ana = Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        Grupo(QStringLiteral("Vendas"));
        auto j = Janela();
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorUsuario")->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Ana"), QStringLiteral("Bia")}));
        QCOMPARE(Filho<QComboBox>(*j, "cmbUsuario")->currentIndex(), 0);
        QCOMPARE(global::IdsDestinatarios(), QList<int>({0, ana, bia}));
        QVERIFY(Filho<QToolButton>(*j, "cmdCadastrar")->isVisible());
        QCOMPARE(Opcao(), QStringLiteral("Usuário"));
        QCOMPARE(caixa_.quantidade(), 0);
    }

    void fecharEmGrupoReabreEmGrupo()
    {
        const int vendas = Grupo(QStringLiteral("Vendas"));
        const int apoio = Grupo(QStringLiteral("Apoio"));
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        {
            auto j = Janela();
            Filho<QRadioButton>(*j, "optListaPorGrupo")->setFocus(Qt::MouseFocusReason);
            Filho<QToolButton>(*j, "cmdRetornar")->click();
            QVERIFY(!j->isVisible());
        }
        QCOMPARE(Opcao(), QStringLiteral("Grupo"));
        // A program started anew reads the file again.
        ini_ = std::make_unique<ArquivoIni>(pastaIni_->path(), QStringLiteral("Tellumo.INI"));
        auto j = Janela();
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorGrupo")->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Apoio"), QStringLiteral("Vendas")}));
        QCOMPARE(global::IdsDestinatarios(), QList<int>({0, apoio, vendas}));
        QVERIFY(Filho<QToolButton>(*j, "cmdCadastrar")->isHidden());
        QVERIFY(Filho<QToolButton>(*j, "cmdAlterar")->isHidden());
        // Closing with Esc also keeps the kind.
        Filho<QRadioButton>(*j, "optListaPorUsuario")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(j.get(), Qt::Key_Escape);
        QCOMPARE(Opcao(), QStringLiteral("Usuário"));
    }

    void tabNaOpcaoDeGrupoTrocaALista()
    {
        Grupo(QStringLiteral("Vendas"));
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        auto j = Janela();
        auto *porUsuario = Filho<QRadioButton>(*j, "optListaPorUsuario");
        porUsuario->setFocus(Qt::OtherFocusReason);
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Ana")}));
        QTest::keyClick(porUsuario, Qt::Key_Tab);
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorGrupo")->hasFocus());
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorGrupo")->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Vendas")}));
        QVERIFY(Filho<QToolButton>(*j, "cmdCadastrar")->isHidden());
        QVERIFY(Filho<QToolButton>(*j, "cmdAlterar")->isHidden());
        // Pressing the chosen option again leaves it chosen.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorGrupo")->isChecked());
        QVERIFY(!porUsuario->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(porUsuario->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Ana")}));
        QVERIFY(Filho<QToolButton>(*j, "cmdCadastrar")->isVisible());
    }

    void cliqueNaOpcaoTrocaALista()
    {
        Grupo(QStringLiteral("Vendas"));
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        auto j = Janela();
        auto *porGrupo = Filho<QRadioButton>(*j, "optListaPorGrupo");
        QTest::mouseClick(porGrupo, Qt::LeftButton);
        QVERIFY(porGrupo->isChecked());
        QVERIFY(!Filho<QRadioButton>(*j, "optListaPorUsuario")->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Vendas")}));
        QVERIFY(Filho<QToolButton>(*j, "cmdAlterar")->isHidden());
        // Arrow keys move between the options as Tab does, choosing as they go.
        QTest::keyClick(porGrupo, Qt::Key_Left);
        QVERIFY(Filho<QRadioButton>(*j, "optListaPorUsuario")->isChecked());
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Ana")}));
    }

    void acentosDigitadosSaoDobrados_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("texto");
        QTest::newRow("São Paulo")
            << QStringLiteral("São Paulo às 10h") << QStringLiteral("Sao Paulo as 10h");
        QTest::newRow("AVÔ") << QStringLiteral("AVÔ") << QStringLiteral("AVÔ");
        QTest::newRow("maiúsculas")
            << QStringLiteral("AÇÃO É ÚTIL") << QStringLiteral("ACAO E UTIL");
    }
    void acentosDigitadosSaoDobrados()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, texto);
        auto j = Janela();
        Digita(Texto(*j), digitado);
        QCOMPARE(Texto(*j)->toPlainText(), texto);
    }

    // Dead keys and input methods deliver the composed letter as a commit: typed all the
    // same, so folded like a key, refused whole when the code page cannot hold it.
    void acentoCompostoSegueATabela_data()
    {
        QTest::addColumn<QString>("composto");
        QTest::addColumn<QString>("texto");
        QTest::newRow("ã") << QStringLiteral("ã") << QStringLiteral("Sao");
        QTest::newRow("Ç") << QStringLiteral("Ç") << QStringLiteral("SCo");
        QTest::newRow("Ô") << QStringLiteral("Ô") << QStringLiteral("SÔo");
        QTest::newRow("ő") << QStringLiteral("ő") << QStringLiteral("So");
    }
    void acentoCompostoSegueATabela()
    {
        QFETCH(QString, composto);
        QFETCH(QString, texto);
        auto j = Janela();
        Digita(Texto(*j), QStringLiteral("S"));
        Compoe(Texto(*j), composto);
        Digita(Texto(*j), QStringLiteral("o"));
        QCOMPARE(Texto(*j)->toPlainText(), texto);
    }

    void textoColadoNaoEDobrado()
    {
        auto j = Janela();
        QApplication::clipboard()->setText(QStringLiteral("São José"));
        Texto(*j)->paste();
        QCOMPARE(Texto(*j)->toPlainText(), QStringLiteral("São José"));
    }

    void caracteresForaDaPaginaSaoRecusados()
    {
        auto j = Janela();
        Digita(Texto(*j), QStringLiteral("a€ő✓b"));
        QCOMPARE(Texto(*j)->toPlainText(), QStringLiteral("a€b"));
        QApplication::clipboard()->setText(QStringLiteral("Zürich → Genève"));
        Texto(*j)->paste();
        QCOMPARE(Texto(*j)->toPlainText(), QStringLiteral("a€b"));
    }

    void limiteDe240Caracteres()
    {
        auto j = Janela();
        QPlainTextEdit *texto = Texto(*j);
        Digita(texto, QString(240, QLatin1Char('x')));
        QCOMPARE(texto->toPlainText().size(), 240);
        Digita(texto, QStringLiteral("y"));
        QTest::keyClick(texto, Qt::Key_Return);
        QCOMPARE(texto->toPlainText(), QString(240, QLatin1Char('x')));
        // Typing over a selection replaces it within the limit.
        texto->selectAll();
        Digita(texto, QStringLiteral("ok"));
        QCOMPARE(texto->toPlainText(), QStringLiteral("ok"));
        // A paste is cut to the room left.
        QApplication::clipboard()->setText(QString(300, QLatin1Char('p')));
        texto->paste();
        QCOMPARE(texto->toPlainText(), QStringLiteral("ok") + QString(238, QLatin1Char('p')));
    }

    void anteriorRecuperaATextoSelecionado_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<bool>("recupera");
        QTest::newRow("minúsculas") << QStringLiteral("=anterior") << true;
        QTest::newRow("branco antes") << QStringLiteral(" =ANTERIOR") << false;
    }
    void anteriorRecuperaATextoSelecionado()
    {
        QFETCH(QString, digitado);
        QFETCH(bool, recupera);
        global::MensagemAnterior() = QStringLiteral("Reunião às 15h");
        auto j = Janela();
        QPlainTextEdit *texto = Texto(*j);
        Digita(texto, digitado);
        if (!recupera) {
            QCOMPARE(texto->toPlainText(), digitado);
            return;
        }
        QCOMPARE(texto->toPlainText(), QStringLiteral("Reunião às 15h"));
        QCOMPARE(texto->textCursor().selectionStart(), 0);
        QCOMPARE(texto->textCursor().selectedText(), QStringLiteral("Reunião às 15h"));
        Digita(texto, QStringLiteral("novo"));
        QCOMPARE(texto->toPlainText(), QStringLiteral("novo"));
    }

    void anteriorSemEnvioDeixaVazio()
    {
        auto j = Janela();
        Digita(Texto(*j), QStringLiteral("=anterior"));
        QCOMPARE(Texto(*j)->toPlainText(), QString());
    }

    // Whole texts arriving at once: only the bare word recalls.
    void anteriorColado_data()
    {
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("fica");
        QTest::newRow("ponto depois")
            << QStringLiteral("=ANTERIOR.") << QStringLiteral("=ANTERIOR.");
        QTest::newRow("dentro de frase")
            << QStringLiteral("ver =anterior") << QStringLiteral("ver =anterior");
        QTest::newRow("só a palavra") << QStringLiteral("=Anterior") << QStringLiteral("Bom dia");
    }
    void anteriorColado()
    {
        QFETCH(QString, colado);
        QFETCH(QString, fica);
        global::MensagemAnterior() = QStringLiteral("Bom dia");
        auto j = Janela();
        QApplication::clipboard()->setText(colado);
        Texto(*j)->paste();
        QCOMPARE(Texto(*j)->toPlainText(), fica);
    }

    void anteriorQueDizAnteriorNaoSeRepete()
    {
        global::MensagemAnterior() = QStringLiteral("=Anterior");
        auto j = Janela();
        Digita(Texto(*j), QStringLiteral("=ANTERIOR"));
        QCOMPARE(Texto(*j)->toPlainText(), QStringLiteral("=Anterior"));
    }
};

QTEST_MAIN(TestMontaMsg)
#include "tst_montamsg.moc"
