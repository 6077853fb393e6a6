#include "CaixaMensagemGravada.h"
#include "app/opcoes/frmAjuda.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

class TestAjuda : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mostraOArquivoDaPastaDoPrograma()
    {
        QTemporaryDir pasta;
        QFile html(QDir(pasta.path()).filePath(QStringLiteral("Vistral.html")));
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write(QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                                  "<h1>Ajuda de Vistral</h1><p>Como imprimir a análise.</p>"
                                  "</body></html>")
                       .toUtf8());
        html.close();

        QWidget principal;
        CaixaMensagemGravada caixa;
        frmAjuda *ajuda = frmAjuda::abre(pasta.path(), caixa, &principal);
        QVERIFY(ajuda);
        QVERIFY(ajuda->isVisible());
        auto *texto = ajuda->findChild<QTextBrowser *>(QStringLiteral("txtAjuda"));
        QVERIFY(texto->toPlainText().contains(QStringLiteral("Como imprimir a análise.")));
        QCOMPARE(caixa.quantidade(), 0);

        // Asking again brings the same window forward instead of opening another.
        QCOMPARE(frmAjuda::abre(pasta.path(), caixa, &principal), ajuda);
        QCOMPARE(principal.findChildren<frmAjuda *>().size(), 1);
    }

    void semArquivoDeAjudaAvisa()
    {
        QTemporaryDir pasta;
        CaixaMensagemGravada caixa;
        QVERIFY(!frmAjuda::abre(pasta.path(), caixa));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY(caixa.ultimo().texto.contains(QStringLiteral("Vistral.html")));
    }
};

QTEST_MAIN(TestAjuda)
#include "tst_ajuda.moc"
