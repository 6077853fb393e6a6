#include "CaixaMensagemGravada.h"
#include "CursorOcupado.h"
#include "app/impressao/ComandoImprimir.h"
#include "app/impressao/ImpressoraRelatorio.h"
#include "app/impressao/ImprimeTexto.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString relatorioDeExemplo()
{
    return QStringLiteral("Resultado de Análise Numerológica:\r\n\r\nNome: ANA SOUZA\r\n"
                          "Interpretações do Ano Pessoal: 1\r\n\r\n"
                          "Um ano de começos, em que as sementes plantadas agora darão frutos "
                          "nos próximos nove anos; aja com coragem e confie na sua intuição "
                          "para escolher o rumo.\r\n"
                          "-=-=-=-=-=-=-=-=-=-=-=-=-=-=-\r\n");
}

// The PDF's text, one entry per line, read by poppler as fixed-pitch text with the
// printer font's character width, so that every blank comes back.
QStringList textoDoPdf(const QString &arquivo, qreal larguraDoCaractere)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-fixed"), QString::number(larguraDoCaractere), QStringLiteral("-enc"),
            QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return {};
    QStringList linhas = QString::fromUtf8(pdftotext.readAllStandardOutput())
                             .remove(QLatin1Char('\f'))
                             .split(QLatin1Char('\n'));
    for (QString &linha : linhas) {
        while (linha.endsWith(QLatin1Char(' ')))
            linha.chop(1);
    }
    while (!linhas.isEmpty() && linhas.constLast().isEmpty())
        linhas.removeLast();
    return linhas;
}

QString semBrancosAFinal(QString linha)
{
    while (linha.endsWith(QLatin1Char(' ')))
        linha.chop(1);
    return linha;
}

} // namespace

class TestImpressao : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void imprimeRelatorioComRodapeNumPdf()
    {
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("relatorio.pdf"));
        CaixaMensagemGravada caixa;
        QStringList status;
        bool ocupadoAoImprimir = false;
        qreal larguraDoCaractere = 0;
        ComandoImprimir comando(
            caixa, [&](const QString &s) { status << s; },
            [&] {
                ocupadoAoImprimir = CursorOcupado::ativo();
                auto impressora = std::make_unique<QPrinter>();
                impressora->setOutputFormat(QPrinter::PdfFormat);
                impressora->setOutputFileName(pdf);
                larguraDoCaractere
                    = QFontMetricsF(ImpressoraRelatorio::fonte(*impressora), impressora.get())
                          .horizontalAdvance(QLatin1Char('M'))
                    * 72.0 / impressora->resolution();
                return impressora;
            });

        QVERIFY(comando.imprime(relatorioDeExemplo()));
        QCOMPARE(caixa.quantidade(), 0);
        QCOMPARE(status,
            QStringList({QStringLiteral("Enviando relatório para Impressora, Aguarde..."),
                QStringLiteral("Pronto")}));
        QVERIFY(ocupadoAoImprimir);
        QVERIFY(!CursorOcupado::ativo());

        const QStringList esperadas = ImprimeTexto(TextoParaImpressao(relatorioDeExemplo()));
        const QStringList lidas = textoDoPdf(pdf, larguraDoCaractere);
        QVERIFY2(!lidas.isEmpty(), "pdftotext não leu o arquivo");
        QCOMPARE(lidas.size(), esperadas.size());
        // The page's own margin comes before ours; it is the same on every line.
        const qsizetype deslocamento = lidas.constFirst().indexOf(QStringLiteral("Resultado")) - 5;
        QVERIFY(deslocamento >= 0);
        for (qsizetype i = 0; i < esperadas.size(); ++i)
            QCOMPARE(lidas.at(i).mid(deslocamento), semBrancosAFinal(esperadas.at(i)));
        QVERIFY(lidas.constLast().endsWith(RodapeImpressao()));
        QVERIFY(
            lidas.join(QLatin1Char('\n')).contains(QStringLiteral("     Um  ano  de  começos,")));
    }

    void falhaDaImpressoraAvisaOUsuario_data()
    {
        QTest::addColumn<bool>("haImpressora");
        QTest::newRow("sem impressora padrão") << false;
        QTest::newRow("trabalho que não pode começar") << true;
    }

    void falhaDaImpressoraAvisaOUsuario()
    {
        QFETCH(bool, haImpressora);
        if (haImpressora)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        CaixaMensagemGravada caixa;
        QStringList status;
        ComandoImprimir comando(
            caixa, [&](const QString &s) { status << s; },
            [&]() -> std::unique_ptr<QPrinter> {
                if (!haImpressora)
                    return nullptr;
                auto impressora = std::make_unique<QPrinter>();
                impressora->setOutputFormat(QPrinter::PdfFormat);
                impressora->setOutputFileName(QStringLiteral("/nao/existe/pasta/relatorio.pdf"));
                return impressora;
            });

        QVERIFY(!comando.imprime(relatorioDeExemplo()));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Erro ao tentar enviar os dados da análise para impressora."));
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QVERIFY(!CursorOcupado::ativo());
        QCOMPARE(status.constLast(), QStringLiteral("Pronto"));
    }

    void semRelatorioNadaEImpresso_data()
    {
        QTest::addColumn<OrigemRelatorio>("origem");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("nenhuma janela de resultado")
            << OrigemRelatorio()
            << QStringLiteral("Não foi possível localizar um relatório de "
                              "análise aberto, crie-o, selecione-o e então "
                              "repita a operação.");
        QTest::newRow("resultado vazio") << OrigemRelatorio(
            QString()) << QStringLiteral("A análise atual é ou está vazia, impossível continuar.");
    }

    void semRelatorioNadaEImpresso()
    {
        QFETCH(OrigemRelatorio, origem);
        QFETCH(QString, mensagem);
        CaixaMensagemGravada caixa;
        QStringList status;
        bool pediuImpressora = false;
        ComandoImprimir comando(
            caixa, [&](const QString &s) { status << s; },
            [&]() -> std::unique_ptr<QPrinter> {
                pediuImpressora = true;
                return nullptr;
            });
        QVERIFY(!comando.imprime(origem));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro lendo dados de origem:"));
        QCOMPARE(caixa.ultimo().texto, mensagem);
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QVERIFY(!pediuImpressora);
        QVERIFY(status.isEmpty());
    }
};

QTEST_MAIN(TestImpressao)
#include "tst_impressao.moc"
