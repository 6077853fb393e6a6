// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/impressao/ImprimeTexto.h"

#include <QTest>

namespace {

const QString kMargem = QStringLiteral("     ");

// Ordinary words separated by single blanks, exactly `tamanho` characters long.
QString paragrafo(int tamanho)
{
    const QStringList palavras = {QStringLiteral("número"), QStringLiteral("de"),
        QStringLiteral("expressão"), QStringLiteral("o"), QStringLiteral("caminho"),
        QStringLiteral("da"), QStringLiteral("vida")};
    QString texto;
    for (int i = 0; texto.size() < tamanho; ++i)
        texto += (texto.isEmpty() ? QString() : QStringLiteral(" ")) + palavras.at(i % 7);
    texto.truncate(tamanho);
    if (texto.endsWith(QLatin1Char(' ')))
        texto.back() = QLatin1Char('s');
    return texto;
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
        QString dobrada = paragrafo(73);
        const qsizetype primeira = dobrada.indexOf(QLatin1Char(' '));
        dobrada.insert(primeira, QLatin1Char(' '));
        dobrada.insert(dobrada.indexOf(QLatin1Char(' '), primeira + 2), QLatin1Char(' '));
        QTest::newRow("73 caracteres: as duas primeiras lacunas dobram")
            << paragrafo(73) << dobrada;
        // Later passes restart inside the runs already widened: the first gap grows faster.
        QTest::newRow("duas lacunas, muitas passagens") << QStringLiteral("aa bb cc")
                                                        << QStringLiteral("aa") + QString(37, u' ')
                + QStringLiteral("bb") + QString(32, u' ') + QStringLiteral("cc");
        QTest::newRow("sem branco não se alarga") << QString(40, u'x') << QString(40, u'x');
    }

    void justificaLinha()
    {
        QFETCH(QString, linha);
        QFETCH(QString, esperado);
        QCOMPARE(JustificaLinha(linha), esperado);
    }

    void paragrafoDe200Caracteres()
    {
        const QString texto = paragrafo(200);
        const QStringList linhas = ImprimeTexto(texto + QStringLiteral("\r\n"));
        QCOMPARE(linhas.size(), 3);
        QCOMPARE(linhas.at(0).size(), 80);
        QCOMPARE(linhas.at(1).size(), 80);
        QStringList palavras;
        for (const QString &linha : linhas) {
            QVERIFY(linha.startsWith(kMargem) && linha.at(5) != u' ');
            palavras += linha.split(u' ', Qt::SkipEmptyParts);
        }
        // Nothing lost or reordered; the last line keeps single blanks and ends the paragraph.
        QCOMPARE(palavras.join(u' '), texto);
        QVERIFY(texto.endsWith(linhas.at(2).mid(5)));
    }

    void quebrasExatasECortes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("esperadas");
        const QString exata = paragrafo(75);
        QTest::newRow("75 caracteres e um branco: sai inteira, sem o branco")
            << exata + QStringLiteral(" resto\r\n")
            << QStringList{kMargem + exata, kMargem + QStringLiteral("resto")};
        // The carriage return is the 76th character: the line breaks at its last blank.
        QTest::newRow("75 caracteres e a quebra de linha: a última palavra desce")
            << exata + QStringLiteral("\r\nfim\r\n")
            << QStringList{kMargem
                       + QStringLiteral("número  de  expressão  o  caminho  da vida número de "
                                        "expressão o caminho da"),
                   kMargem + QStringLiteral("vida"), kMargem + QStringLiteral("fim")};
        QTest::newRow("75 sem branco e a quebra de linha: sai inteira")
            << QString(75, u'x') + QStringLiteral("\r\nfim\r\n")
            << QStringList{kMargem + QString(75, u'x'), kMargem + QStringLiteral("fim")};
        const QString corrida = QString(75, u'a') + QString(10, u'b');
        QTest::newRow("76 sem branco: cortada em 75, a impressão continua")
            << QStringLiteral("uma linha\r\n") + corrida + QStringLiteral(" depois\r\nfim\r\n")
            << QStringList{kMargem + QStringLiteral("uma linha"), kMargem + QString(75, u'a'),
                   kMargem + QString(10, u'b') + QStringLiteral(" depois"),
                   kMargem + QStringLiteral("fim")};
        QTest::newRow("CRs acumulados antes da quebra não alongam a linha")
            << QString(75, u'a') + QStringLiteral("\r\r\r\nfim\r\r\n")
            << QStringList{kMargem + QString(75, u'a'), kMargem + QStringLiteral("fim")};
        QTest::newRow("muitos CRs numa linha sem branco não levam as letras seguintes")
            << QString(10, u'a') + QString(150, u'\r') + QStringLiteral("b c\r\n")
            << QStringList{kMargem + QString(10, u'a'), kMargem + QStringLiteral("b c")};
        QTest::newRow("CR solto nunca é impresso") << QStringLiteral(
            "ab\rcd\r\r\ne\r") << QStringList{kMargem + QStringLiteral("abcd"), kMargem + u'e'};
        QTest::newRow("texto sem quebra final não se perde")
            << QStringLiteral("a\r\nb") << QStringList{kMargem + u'a', kMargem + u'b'};
    }

    void quebrasExatasECortes()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, esperadas);
        QCOMPARE(ImprimeTexto(texto), esperadas);
    }

    void rodapeDepoisDeDuasLinhasVazias()
    {
        QCOMPARE(ImprimeTexto(TextoParaImpressao(QStringLiteral("Nome: ANA SOUZA\r\n"))),
            QStringList({kMargem + QStringLiteral("Nome: ANA SOUZA"), kMargem, kMargem,
                kMargem + RodapeImpressao()}));
        QVERIFY(RodapeImpressao().size() <= 75);
    }
};

QTEST_GUILESS_MAIN(TestImprimeTexto)
#include "tst_imprimetexto.moc"
