#include "app/impressao/ImprimeTexto.h"

#include <QTest>

namespace {

const QString kMargem = QStringLiteral("     ");

// Words of several lengths separated by single blanks, `tamanho` characters long.
QString paragrafo(int tamanho)
{
    const QStringList palavras = {QStringLiteral("número"), QStringLiteral("de"),
        QStringLiteral("expressão"), QStringLiteral("revela"), QStringLiteral("o"),
        QStringLiteral("caminho"), QStringLiteral("da"), QStringLiteral("vida")};
    QString texto;
    for (int i = 0; texto.size() < tamanho; ++i) {
        if (!texto.isEmpty())
            texto += QLatin1Char(' ');
        texto += palavras.at(i % palavras.size());
    }
    texto.truncate(tamanho);
    if (texto.endsWith(QLatin1Char(' ')))
        texto.back() = QLatin1Char('s');
    return texto;
}

QString semMargem(const QString &linha)
{
    return linha.mid(kMargem.size());
}

} // namespace

class TestImprimeTexto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void justificaLinha_data()
    {
        QTest::addColumn<QString>("linha");
        QTest::addColumn<QString>("esperado");

        const QString setentaETres = paragrafo(73);
        QVERIFY(setentaETres.size() == 73);
        QString doisPrimeirosDobrados = setentaETres;
        const qsizetype primeiro = doisPrimeirosDobrados.indexOf(QLatin1Char(' '));
        doisPrimeirosDobrados.insert(primeiro, QLatin1Char(' '));
        const qsizetype segundo = doisPrimeirosDobrados.indexOf(QLatin1Char(' '), primeiro + 2);
        doisPrimeirosDobrados.insert(segundo, QLatin1Char(' '));
        QTest::newRow("73 caracteres: as duas primeiras lacunas dobram")
            << setentaETres << doisPrimeirosDobrados;

        // Later passes restart inside the runs already widened, so the first gap ends
        // wider than the second.
        QTest::newRow("poucas lacunas, várias passagens")
            << QStringLiteral("aa bb cc")
            << QStringLiteral("aa") + QString(37, QLatin1Char(' ')) + QStringLiteral("bb")
                + QString(32, QLatin1Char(' ')) + QStringLiteral("cc");

        const QString semBranco(40, QLatin1Char('x'));
        QTest::newRow("sem branco fica como está") << semBranco << semBranco;

        const QString cheia = paragrafo(75);
        QTest::newRow("já com 75 fica como está") << cheia << cheia;
    }

    void justificaLinha()
    {
        QFETCH(QString, linha);
        QFETCH(QString, esperado);
        QCOMPARE(JustificaLinha(linha), esperado);
    }

    void paragrafoDe200CaracteresViraLinhasJustificadasEUmaFinal()
    {
        const QString texto = paragrafo(200);
        QCOMPARE(texto.size(), 200);
        const QStringList linhas = ImprimeTexto(texto + QStringLiteral("\r\n"));

        QCOMPARE(linhas.size(), 3);
        for (const QString &linha : linhas)
            QVERIFY2(
                linha.startsWith(kMargem) && linha.at(5) != QLatin1Char(' '), qPrintable(linha));
        QCOMPARE(linhas.at(0).size(), 80);
        QCOMPARE(linhas.at(1).size(), 80);
        QVERIFY(linhas.at(2).size() < 80);
        QVERIFY(!semMargem(linhas.at(2)).contains(QStringLiteral("  ")));

        // The words come out whole and in order; justification only widened the gaps.
        QStringList palavras;
        for (const QString &linha : linhas)
            palavras += semMargem(linha).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(palavras.join(QLatin1Char(' ')), texto);
        QVERIFY(semMargem(linhas.at(2)).endsWith(texto.section(QLatin1Char(' '), -1)));
    }

    void linhaDeExatamente75SeguidaDeBrancoSaiInteiraSemOBranco()
    {
        const QString exata = paragrafo(75);
        QCOMPARE(exata.size(), 75);
        const QStringList linhas = ImprimeTexto(exata + QStringLiteral(" resto\r\n"));
        QCOMPARE(linhas, QStringList({kMargem + exata, kMargem + QStringLiteral("resto")}));
    }

    void linhaDeExatamente75TerminadaPorQuebraSaiInteira()
    {
        const QString exata = paragrafo(75);
        const QStringList linhas = ImprimeTexto(exata + QStringLiteral("\r\nfim\r\n"));
        QCOMPARE(linhas, QStringList({kMargem + exata, kMargem + QStringLiteral("fim")}));
    }

    void corridaSemBrancoCortadaEm75EImpressaoContinua_data()
    {
        QTest::addColumn<QString>("antes");
        QTest::newRow("no início do texto") << QString();
        QTest::newRow("depois de uma linha com brancos") << QStringLiteral("uma linha curta\r\n");
        QTest::newRow("só um branco, no início") << QStringLiteral(" ");
    }

    void corridaSemBrancoCortadaEm75EImpressaoContinua()
    {
        QFETCH(QString, antes);
        const QString corrida = QString(75, QLatin1Char('a')) + QString(10, QLatin1Char('b'));
        const QStringList linhas
            = ImprimeTexto(antes + corrida + QStringLiteral(" depois\r\nfim\r\n"));

        const QString linha = antes.mid(antes.lastIndexOf(QLatin1Char('\n')) + 1) + corrida
            + QStringLiteral(" depois");
        const QString todos = linhas.join(QLatin1Char('|'));
        QVERIFY2(linhas.size() >= 3, qPrintable(todos));
        QCOMPARE(linhas.at(linhas.size() - 3), kMargem + linha.left(75));
        QCOMPARE(linhas.at(linhas.size() - 2), kMargem + linha.mid(75));
        QCOMPARE(linhas.constLast(), kMargem + QStringLiteral("fim"));
    }

    void rodapeEAUltimaLinhaPrecedidaDeDuasVazias()
    {
        const QStringList linhas
            = ImprimeTexto(TextoParaImpressao(QStringLiteral("Nome: ANA SOUZA\r\n")));
        QCOMPARE(linhas,
            QStringList({kMargem + QStringLiteral("Nome: ANA SOUZA"), kMargem, kMargem,
                kMargem + RodapeImpressao()}));
        QVERIFY(RodapeImpressao().size() <= 75);
        QVERIFY(RodapeImpressao().contains(QStringLiteral("(11)")));
    }

    void textoSemQuebraFinalNaoSePerde()
    {
        QCOMPARE(ImprimeTexto(QStringLiteral("a\r\nb")),
            QStringList({kMargem + QStringLiteral("a"), kMargem + QStringLiteral("b")}));
    }
};

QTEST_GUILESS_MAIN(TestImprimeTexto)
#include "tst_imprimetexto.moc"
