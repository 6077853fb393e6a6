// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "CaixaMensagemQt.h"
#include "CursorOcupado.h"
#include "TraducaoQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

class TestCaixaMensagem : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gravaERespondeNaOrdem()
    {
        CaixaMensagemGravada caixa;
        caixa.responde({CaixaMensagem::Resposta::Nao});
        QCOMPARE(caixa.pergunta(QStringLiteral("Erro:"), QStringLiteral("Continuar?")),
                 CaixaMensagem::Resposta::Nao);
        QCOMPARE(caixa.pergunta(QStringLiteral("Erro:"), QStringLiteral("De novo?")),
                 CaixaMensagem::Resposta::Sim);
        QCOMPARE(caixa.mostra(QStringLiteral("Informação:"), QStringLiteral("Feito."),
                              CaixaMensagem::Icone::Informacao),
                 CaixaMensagem::Resposta::Ok);
        QCOMPARE(caixa.quantidade(), 3);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Informação:"));
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
        QCOMPARE(caixa.registros().first().botoes, CaixaMensagem::Botoes::SimNao);
    }

    void cursorRestauradoMesmoComExcecao()
    {
        QVERIFY(!QGuiApplication::overrideCursor());
        try {
            CursorOcupado externo;
            {
                CursorOcupado interno;
                QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }
            QVERIFY(CursorOcupado::ativo());
            throw std::runtime_error("falha");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(!CursorOcupado::ativo());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Typed text shows as typed: markup stays visible, and CR LF or a lone CR is one LF.
    void caixaRealMostraTextoSimples()
    {
        QString visto;
        Qt::TextFormat formato = Qt::RichText;
        QTimer::singleShot(0, [&] {
            auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(caixa);
            visto = caixa->text();
            formato = caixa->textFormat();
            caixa->button(QMessageBox::Ok)->click();
        });
        CaixaMensagemQt().mostra(QStringLiteral("Erro:"),
            QStringLiteral("Oi <b>tudo</b> bem\r\nlinha dois\rlinha três"),
            CaixaMensagem::Icone::Informacao);
        QCOMPARE(visto, QStringLiteral("Oi <b>tudo</b> bem\nlinha dois\nlinha três"));
        QCOMPARE(formato, Qt::PlainText);
    }

    void botoesPadraoEmPortugues()
    {
        QVERIFY2(instalaTraducaoQt(*qApp), "traduções pt_BR do Qt ausentes");
        QMessageBox caixa(QMessageBox::Question, QStringLiteral("Erro:"), QStringLiteral("?"),
                          QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caixa.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Sim"));
        QCOMPARE(caixa.button(QMessageBox::No)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Não"));
    }
};

QTEST_MAIN(TestCaixaMensagem)
#include "tst_caixamensagem.moc"
