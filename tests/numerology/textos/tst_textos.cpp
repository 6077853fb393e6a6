// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the interpretation files the build put in the program folder: every record a
// report can read is there, holds a real text and fits its 5120 bytes, and the texts that
// the report completes with its own words read well once joined.
#include "Cp1252.h"
#include "MontagemTextos.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <optional>

using montagem::TamanhoRegistro;

namespace {

QString caminho(const QString &nome)
{
    return QDir(QStringLiteral(PASTA_PROGRAMA)).filePath(nome);
}

// Only blanks are trimmed, the way the program reads a record.
QString semBrancos(const QString &texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fim > inicio && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

// Nothing when the build has not written the file (yet): its writer may still be at work.
std::optional<QByteArray> conteudo(const QString &nome)
{
    QFile f(caminho(nome));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

QStringList registros(const QByteArray &dados)
{
    QStringList textos;
    for (qsizetype i = 0; i < dados.size(); i += TamanhoRegistro)
        textos.append(semBrancos(cp1252::decodifica(dados.mid(i, TamanhoRegistro))));
    return textos;
}

} // namespace

class TestTextos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arquivoCompleto_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<int>("ultimoRegistro");
        const QList<QPair<const char *, int>> tabela
            = {{"CDATA.DAT", 13}, {"CVIDA.DAT", 9}, {"CFORM.DAT", 9}, {"CPROD.DAT", 9},
                {"CCOLH.DAT", 9}, {"CDNAS.DAT", 9}, {"DESNASC.DAT", 10}, {"PRESNASC.DAT", 10},
                {"APICES.DAT", 9}, {"DESVIDA.DAT", 9}, {"INDSAUDE.DAT", 10}, {"INTANOUN.DAT", 9},
                {"INTMESUN.DAT", 9}, {"INTDIAUN.DAT", 9}, {"INTANOPS.DAT", 9}, {"INTMESPS.DAT", 9},
                {"INTDIAPS.DAT", 9}, {"INTEXEXP.DAT", 9}, {"IMPXALMA.DAT", 9}, {"EUXSILEN.DAT", 9},
                {"INTVOG.DAT", 6}, {"INTNOME.DAT", 9}, {"INTREALI.DAT", 9}};
        for (const auto &[nome, ultimo] : tabela)
            QTest::newRow(nome) << QString::fromLatin1(nome) << ultimo;
    }
    void arquivoCompleto()
    {
        QFETCH(QString, arquivo);
        QFETCH(int, ultimoRegistro);
        const auto dados = conteudo(arquivo);
        if (!dados)
            QSKIP("arquivo ainda não escrito");
        QCOMPARE(dados->size() % TamanhoRegistro, 0);
        const QStringList textos = registros(*dados);
        QVERIFY2(textos.size() >= ultimoRegistro, qPrintable(QString::number(textos.size())));
        for (int n = 1; n <= ultimoRegistro; ++n) {
            const QString &texto = textos.at(n - 1);
            const QByteArray onde = QStringLiteral("%1 registro %2").arg(arquivo).arg(n).toUtf8();
            QVERIFY2(texto.trimmed().size() >= 40, onde.constData());
            QVERIFY2(!texto.contains(QChar(0xFFFD)), onde.constData());
            // A record starting with a line break would leave a stray empty line in the report.
            QVERIFY2(!texto.startsWith(QLatin1Char('\r')) && !texto.endsWith(QLatin1Char('\n')),
                onde.constData());
        }
    }

    // The report writes "O seu dom ... é " before these texts and "." after them, and puts
    // its own full stop after each pinnacle and life challenge text.
    void textoCompletadoPeloRelatorio_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<bool>("comecaMinusculo");
        QTest::newRow("PRESNASC.DAT") << QStringLiteral("PRESNASC.DAT") << true;
        QTest::newRow("APICES.DAT") << QStringLiteral("APICES.DAT") << false;
        QTest::newRow("DESVIDA.DAT") << QStringLiteral("DESVIDA.DAT") << false;
    }
    void textoCompletadoPeloRelatorio()
    {
        QFETCH(QString, arquivo);
        QFETCH(bool, comecaMinusculo);
        const auto dados = conteudo(arquivo);
        if (!dados)
            QSKIP("arquivo ainda não escrito");
        const QStringList textos = registros(*dados);
        QVERIFY(!textos.isEmpty());
        for (qsizetype i = 0; i < textos.size(); ++i) {
            const QString texto = textos.at(i).trimmed();
            const QByteArray onde
                = QStringLiteral("%1 registro %2").arg(arquivo).arg(i + 1).toUtf8();
            QVERIFY2(!texto.endsWith(QLatin1Char('.')) && !texto.endsWith(QLatin1Char('!')),
                onde.constData());
            if (comecaMinusculo)
                QVERIFY2(texto.at(0).isLower(), onde.constData());
        }
    }

    // With a birthday challenge of 0 the report lists the texts of every challenge one after
    // another, and several health texts may follow each other: each must say its number.
    void textoListadoDizSeuNumero_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("prefixo");
        QTest::newRow("DESNASC.DAT") << QStringLiteral("DESNASC.DAT") << QStringLiteral("desafio ");
        QTest::newRow("INDSAUDE.DAT")
            << QStringLiteral("INDSAUDE.DAT") << QStringLiteral("número ");
    }
    void textoListadoDizSeuNumero()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, prefixo);
        const auto dados = conteudo(arquivo);
        if (!dados)
            QSKIP("arquivo ainda não escrito");
        const QStringList textos = registros(*dados);
        QCOMPARE(textos.size(), 10);
        for (int i = 0; i < 10; ++i) {
            const QString esperado = prefixo + QString::number(i);
            QVERIFY2(textos.at(i).left(80).contains(esperado, Qt::CaseInsensitive),
                qUtf8Printable(arquivo + QLatin1Char(' ') + esperado));
        }
    }

    void dicasDoDia()
    {
        const auto arquivo = conteudo(QStringLiteral("byday.arq"));
        if (!arquivo)
            QSKIP("dicas ainda não escritas");
        const QByteArray &dados = *arquivo;
        QVERIFY(dados.endsWith("\r\n"));
        QCOMPARE(dados.count("\r\n"), dados.count('\n'));
        QVERIFY(!dados.startsWith("\r\n") && !dados.contains("\r\n\r\n"));
        // The dialog draws one of the first 37 lines.
        QVERIFY2(dados.count('\n') >= 37, qPrintable(QString::number(dados.count('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTextos)
#include "tst_textos.moc"
