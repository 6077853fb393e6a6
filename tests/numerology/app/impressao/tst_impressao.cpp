// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "CursorOcupado.h"
#include "app/impressao/ComandoImprimir.h"
#include "app/impressao/ImpressoraRelatorio.h"
#include "app/impressao/ImprimeTexto.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRelatorio = QStringLiteral(
    "Resultado de Análise Numerológica:\r\n\r\nNome: ANA SOUZA\r\n"
    "Um ano de começos, em que as sementes plantadas agora darão frutos nos próximos nove "
    "anos; aja com coragem e confie na sua intuição para escolher o rumo.\r\n"
    "-=-=-=-=-=-=-=-=-=-=-=-=-=-=-\r\n");

std::unique_ptr<QPrinter> impressoraPdf(const QString &arquivo)
{
    auto impressora = std::make_unique<QPrinter>();
    impressora->setOutputFormat(QPrinter::PdfFormat);
    impressora->setOutputFileName(arquivo);
    return impressora;
}

// The PDF's lines as poppler reads them in fixed pitch with the printer font's character
// width (in points), so that every blank comes back; trailing blanks dropped.
QStringList textoDoPdf(const QString &arquivo, qreal larguraDoCaractere)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-fixed"), QString::number(larguraDoCaractere), QStringLiteral("-enc"),
            QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return {};
    QStringList linhas;
    for (const QString &linha :
        QString::fromUtf8(pdftotext.readAllStandardOutput()).remove(u'\f').split(u'\n'))
        linhas << linha.left(linha.lastIndexOf(QRegularExpression(QStringLiteral("\\S"))) + 1);
    while (!linhas.isEmpty() && linhas.constLast().isEmpty())
        linhas.removeLast();
    return linhas;
}

// The top (in points) of the first word `palavra` on the PDF's first page; -1 when absent.
qreal topoDaPalavra(const QString &arquivo, const QString &palavra)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo,
            QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return -1;
    const QRegularExpression palavraComPosicao(
        QStringLiteral("<word xMin=\"[^\"]*\" yMin=\"([^\"]*)\"[^>]*>([^<]*)</word>"));
    auto it = palavraComPosicao.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(2) == palavra)
            return m.captured(1).toDouble();
    }
    return -1;
}

} // namespace

class TestImpressao : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void imprimeORelatorioComRodapeNumPdf()
    {
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("relatorio.pdf"));
        CaixaMensagemGravada caixa;
        QStringList status;
        bool ocupado = false;
        qreal largura = 0;
        qreal entrelinha = 0;
        ComandoImprimir comando(
            caixa, [&](const QString &s) { status << s; },
            [&] {
                ocupado = CursorOcupado::ativo();
                auto impressora = impressoraPdf(pdf);
                const QFontMetricsF medidas(
                    ImpressoraRelatorio::fonte(*impressora), impressora.get());
                largura = medidas.horizontalAdvance(u'M') * 72.0 / impressora->resolution();
                entrelinha = medidas.lineSpacing() * 72.0 / impressora->resolution();
                return impressora;
            });

        QVERIFY(comando.imprime(kRelatorio));
        QCOMPARE(caixa.quantidade(), 0);
        QCOMPARE(status,
            QStringList({QStringLiteral("Enviando relatório para Impressora, Aguarde..."),
                QStringLiteral("Pronto")}));
        QVERIFY(ocupado && !CursorOcupado::ativo());

        // pdftotext guesses runs of empty lines from the gaps, not always right: the text
        // lines are compared here, the empty lines by the positions below.
        QStringList esperadas = ImprimeTexto(TextoParaImpressao(kRelatorio));
        esperadas.removeIf([](const QString &linha) { return linha.trimmed().isEmpty(); });
        QStringList lidas = textoDoPdf(pdf, largura);
        lidas.removeAll(QString());
        QCOMPARE(lidas.size(), esperadas.size());
        // The page's own margin comes before ours, the same on every line; the justified
        // line comes back with its widened gaps.
        const qsizetype deslocamento = lidas.constFirst().indexOf(u'R') - 5;
        QVERIFY(deslocamento >= 0);
        for (qsizetype i = 0; i < esperadas.size(); ++i)
            QCOMPARE(lidas.at(i).mid(deslocamento), esperadas.at(i));
        QVERIFY(lidas.join(u'\n').contains(QStringLiteral("     Um  ano  de  começos,")));
        QVERIFY(lidas.constLast().endsWith(RodapeImpressao()));
        // One empty line under the title, two between the separator and the footer.
        const qreal titulo = topoDaPalavra(pdf, QStringLiteral("Resultado"));
        const qreal nome = topoDaPalavra(pdf, QStringLiteral("Nome:"));
        const qreal separador = topoDaPalavra(pdf, QStringLiteral("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-"));
        const qreal rodape = topoDaPalavra(pdf, RodapeImpressao().section(u' ', 0, 0));
        QVERIFY(titulo >= 0 && nome >= 0 && separador >= 0 && rodape >= 0);
        QVERIFY(qAbs(nome - titulo - 2 * entrelinha) < 0.5);
        QVERIFY(qAbs(rodape - separador - 3 * entrelinha) < 0.5);
    }

    void falhasAvisamOUsuario_data()
    {
        QTest::addColumn<OrigemRelatorio>("origem");
        QTest::addColumn<QString>("impressora");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        const QString erro
            = QStringLiteral("Erro ao tentar enviar os dados da análise para impressora.");
        QTest::newRow("sem impressora padrão")
            << OrigemRelatorio(kRelatorio) << QString() << QStringLiteral("Erro:") << erro;
        QTest::newRow("trabalho que não começa")
            << OrigemRelatorio(kRelatorio) << QStringLiteral("/nao/existe/r.pdf")
            << QStringLiteral("Erro:") << erro;
        QTest::newRow("resultado vazio")
            << OrigemRelatorio(QString()) << QStringLiteral("/nao/existe/r.pdf")
            << QStringLiteral("Erro lendo dados de origem:")
            << QStringLiteral("A análise atual é ou está vazia, impossível continuar.");
    }

    void falhasAvisamOUsuario()
    {
        QFETCH(OrigemRelatorio, origem);
        QFETCH(QString, impressora);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        if (!impressora.isEmpty() && !origem->isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        CaixaMensagemGravada caixa;
        QStringList status;
        ComandoImprimir comando(
            caixa, [&](const QString &s) { status << s; },
            [&]() -> std::unique_ptr<QPrinter> {
                return impressora.isEmpty() ? nullptr : impressoraPdf(impressora);
            });
        QVERIFY(!comando.imprime(origem));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, titulo);
        QCOMPARE(caixa.ultimo().texto, texto);
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QVERIFY(!CursorOcupado::ativo());
        QVERIFY(status.isEmpty() || status.constLast() == QStringLiteral("Pronto"));
    }
};

QTEST_MAIN(TestImpressao)
#include "tst_impressao.moc"
