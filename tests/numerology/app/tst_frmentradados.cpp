// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "app/frmEntraDados.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString MensagemData = QStringLiteral(
    "A data informada como data de nascimento não existe. Certifique-se de informar o ano com 4 "
    "dígitos.");
const QString MensagemNome = QStringLiteral(
    "Você precisa informar um nome para que o programa possa gerar um relatório de Análise "
    "Numerológica.");
// Types text the way a keyboard does, one key event per character (also beyond ASCII).
void digita(QWidget *w, const QString &texto)
{
    for (const QChar c : texto) {
        QKeyEvent pressiona(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pressiona);
        QKeyEvent solta(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &solta);
    }
}
} // namespace

class TestFrmEntraDados : public QObject
{
    Q_OBJECT
private:
    struct Dialogo
    {
        CaixaMensagemGravada caixa;
        frmEntraDados janela{caixa};
        QLineEdit *nome = janela.findChild<QLineEdit *>(QStringLiteral("txtNome"));
        QLineEdit *data = janela.findChild<QLineEdit *>(QStringLiteral("mskDataNasc"));
        QPushButton *okay = janela.findChild<QPushButton *>(QStringLiteral("cmdOkay"));
        QPushButton *cancelar = janela.findChild<QPushButton *>(QStringLiteral("cmdCancelar"));

        Dialogo()
        {
            janela.show();
            QApplication::setActiveWindow(&janela);
            nome->setFocus();
        }
    };

private Q_SLOTS:
    void controlesComDicas_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("dica");
        QTest::newRow("txtNome") << "txtNome"
                                 << "Entre o Nome para ser Analisado";
        QTest::newRow("mskDataNasc") << "mskDataNasc"
                                     << "Entre a Data de Nascimento";
        QTest::newRow("cmdOkay") << "cmdOkay"
                                 << "Gerar Relatório de Análise";
        QTest::newRow("cmdCancelar") << "cmdCancelar"
                                     << "Cancelar Procedimento";
    }
    void controlesComDicas()
    {
        QFETCH(QString, controle);
        QFETCH(QString, dica);
        Dialogo d;
        auto *w = d.janela.findChild<QWidget *>(controle);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), dica);
        QCOMPARE(d.data->displayText(), QStringLiteral("__/__/____"));
    }

    void verificacoesNaOrdem_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<QString>("mensagem"); // empty: accepted
        QTest::newRow("data ruim vence nome vazio") << ""
                                                    << "31021999" << MensagemData;
        QTest::newRow("ano com dois dígitos") << "Ana"
                                              << "251270" << MensagemData;
        QTest::newRow("31/02/1999") << "Ana"
                                    << "31021999" << MensagemData;
        QTest::newRow("nome vazio") << ""
                                    << "25121970" << MensagemNome;
        QTest::newRow("nome só de espaços aceito") << "   "
                                                   << "25121970"
                                                   << "";
        QTest::newRow("exemplo aceito") << "Ana Souza"
                                        << "25121970"
                                        << "";
    }
    void verificacoesNaOrdem()
    {
        QFETCH(QString, nome);
        QFETCH(QString, digitos);
        QFETCH(QString, mensagem);
        Dialogo d;
        QTest::keyClicks(d.nome, nome);
        d.data->setFocus();
        d.data->home(false);
        QTest::keyClicks(d.data, digitos);
        QTest::mouseClick(d.okay, Qt::LeftButton);
        if (mensagem.isEmpty()) {
            QCOMPARE(d.caixa.quantidade(), 0);
            QCOMPARE(d.janela.result(), int(QDialog::Accepted));
            QCOMPARE(d.janela.nome(), nome);
            QCOMPARE(d.janela.dataNascimento(), QStringLiteral("25/12/1970"));
        } else {
            QCOMPARE(d.caixa.textos(), QStringList{mensagem});
            QCOMPARE(d.caixa.ultimo().titulo, QStringLiteral("Erro:"));
            QCOMPARE(d.caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
            QVERIFY(d.janela.isVisible());
            QCOMPARE(d.janela.nome(), nome);
        }
    }

    void acentosRecusadosEnterVaiParaAData()
    {
        Dialogo d;
        digita(d.nome, QStringLiteral("Joã oÇé"));
        QCOMPARE(d.nome->text(), QStringLiteral("Jo o"));
        QTest::keyClick(d.nome, Qt::Key_Return);
        QCOMPARE(d.nome->text(), QStringLiteral("Jo o"));
        QCOMPARE(QApplication::focusWidget(), d.data);
        QVERIFY(d.janela.isVisible());
    }

    void colarNaoTrazAcentos()
    {
        Dialogo d;
        d.nome->insert(QStringLiteral("José"));
        QVERIFY(!d.nome->text().contains(QChar(u'é')));
    }

    void nomeComNoMaximo200()
    {
        Dialogo d;
        QTest::keyClicks(d.nome, QString(210, u'a'));
        QCOMPARE(d.nome->text().size(), 200);
    }

    // Enter in the date box reaches cmdOkay, whether the date is whole or half-filled.
    void enterNaDataConfirma_data()
    {
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<QString>("mensagem"); // empty: accepted
        QTest::newRow("data completa") << "25121970"
                                       << "";
        QTest::newRow("ano pela metade") << "251270" << MensagemData;
    }
    void enterNaDataConfirma()
    {
        QFETCH(QString, digitos);
        QFETCH(QString, mensagem);
        Dialogo d;
        QTest::keyClicks(d.nome, QStringLiteral("Ana"));
        QTest::keyClick(d.nome, Qt::Key_Return);
        QTest::keyClicks(d.data, digitos);
        QTest::keyClick(d.data, Qt::Key_Return);
        if (mensagem.isEmpty()) {
            QCOMPARE(d.caixa.quantidade(), 0);
            QCOMPARE(d.janela.result(), int(QDialog::Accepted));
            QVERIFY(!d.janela.isVisible());
        } else {
            QCOMPARE(d.caixa.textos(), QStringList{mensagem});
            QVERIFY(d.janela.isVisible());
            QCOMPARE(d.nome->text(), QStringLiteral("Ana"));
        }
    }

    // Once the date box made cmdOkay the default, Enter on a focused button still presses
    // that button: Cancelar never runs the analysis.
    void enterNoBotaoComFocoPressionaEle_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("resultado");
        QTest::newRow("cmdOkay") << 1 << int(QDialog::Accepted);
        QTest::newRow("cmdCancelar") << 2 << int(QDialog::Rejected);
    }
    void enterNoBotaoComFocoPressionaEle()
    {
        QFETCH(int, tabs);
        QFETCH(int, resultado);
        Dialogo d;
        QTest::keyClicks(d.nome, QStringLiteral("Ana"));
        QTest::keyClick(d.nome, Qt::Key_Return);
        QTest::keyClicks(d.data, QStringLiteral("25121970"));
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tabs == 1 ? d.okay : d.cancelar);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!d.janela.isVisible());
        QCOMPARE(d.janela.result(), resultado);
        QCOMPARE(d.caixa.quantidade(), 0);
    }

    void cancelarRecusa()
    {
        Dialogo d;
        QTest::keyClicks(d.nome, QStringLiteral("Ana"));
        QTest::mouseClick(d.cancelar, Qt::LeftButton);
        QCOMPARE(d.janela.result(), int(QDialog::Rejected));
        QCOMPARE(d.caixa.quantidade(), 0);
    }
};

QTEST_MAIN(TestFrmEntraDados)
#include "tst_frmentradados.moc"
