#include "../../ArquivosDeTeste.h"
#include "app/relatorios/RelatorioParcial.h"
#include "app/relatorios/RelatorioSemanal.h"
#include "engine/RelatorioCompleto.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using ArquivosDeTeste::marcador;

namespace {

const QString NL = QStringLiteral("\r\n");
const QString SEP = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-");

QString m(const char *arquivo, int registro)
{
    return marcador(QString::fromLatin1(arquivo), registro);
}

QString linhas(const QStringList &l)
{
    return l.join(NL) + NL;
}

// Everything after the line of asterisks that closes the head.
QString corpo(const QString &texto)
{
    const QString fimCabecalho = QStringLiteral("******************") + NL;
    return texto.mid(texto.indexOf(fimCabecalho) + fimCabecalho.size());
}

QString diaPessoal(const QString &data, int numero)
{
    return linhas({QString(), QStringLiteral("Interpretações do Dia Pessoal para %1: ").arg(data),
        QString(), m("INTDIAPS", numero), SEP});
}

} // namespace

class TestRelatoriosParciais : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(m_pasta.isValid());
        QVERIFY(ArquivosDeTeste::gravaTodos(m_pasta.path()));
    }

    void parcialTemAsSeteSecoesDoCompletoDoMesmoDia_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("nascimento");
        QTest::addColumn<QDate>("hoje");
        QTest::newRow("Ana Souza em 02/03/1998")
            << QStringLiteral("Ana Souza") << QStringLiteral("25/12/1970") << QDate(1998, 3, 2);
        QTest::newRow("desafio 0, fim de ano")
            << QStringLiteral("joão da silva") << QStringLiteral("11/02/1985")
            << QDate(2026, 12, 31);
        QTest::newRow("nome sem vogais")
            << QStringLiteral("Brr Kst") << QStringLiteral("09/09/1999") << QDate(2000, 2, 29);
    }

    void parcialTemAsSeteSecoesDoCompletoDoMesmoDia()
    {
        QFETCH(QString, nome);
        QFETCH(QString, nascimento);
        QFETCH(QDate, hoje);
        const RelatorioGerado completo
            = Relatorio::CriaRelatorio(nome, nascimento, hoje, m_pasta.path());
        const RelatorioGerado parcial
            = Relatorio::CriaRelatorioParcial(nome, nascimento, hoje, m_pasta.path());

        const QString secoes = corpo(parcial.documento.texto);
        const QString inicio = NL + QStringLiteral("Indicações para a Saúde") + NL;
        QVERIFY(secoes.startsWith(inicio));
        // In the complete report the same text runs from the health section up to the
        // introduction of the expression, which follows the personal day.
        const qsizetype saude = completo.documento.texto.indexOf(inicio);
        const qsizetype expressao = completo.documento.texto.indexOf(NL + m("CDATA", 8) + NL);
        QVERIFY(saude > 0 && expressao > saude);
        QCOMPARE(secoes, completo.documento.texto.mid(saude, expressao - saude));
        QCOMPARE(secoes.count(SEP), 7);

        QCOMPARE(parcial.caminhoDaVida, completo.caminhoDaVida);
        QCOMPARE(parcial.documento.legenda,
            QStringLiteral("Análise Numerológica Parcial de ") + nome.toUpper());
    }

    void parcialDeAnaSouza()
    {
        const RelatorioGerado parcial = Relatorio::CriaRelatorioParcial(QStringLiteral("Ana Souza"),
            QStringLiteral("25/12/1970"), QDate(1998, 3, 2), m_pasta.path());
        QCOMPARE(parcial.caminhoDaVida, std::optional<int>(9));
        const QString esperado = linhas({QStringLiteral(
                                             "Resultado de Análise Numerológica Parcial:"),
            QString(), QStringLiteral("Nome: ANA SOUZA"),
            QStringLiteral("Data de Nascimento: 25/dez/1970"),
            QStringLiteral("Data desta Análise: 02/mar/1998"), QStringLiteral("******************"),
            QString(), QStringLiteral("Indicações para a Saúde"), QString(),
            QStringLiteral("São esses os números que usamos para indicar precauções "
                           "relativas à saúde ou para apontar onde podem ocorrer os "
                           "sintomas."),
            QString(), m("INDSAUDE", 4), m("INDSAUDE", 8), SEP, QString(), m("CDATA", 6), QString(),
            QStringLiteral("Interpretações do Ano Universal: 9"), QString(), m("INTANOUN", 9), SEP,
            QString(), QStringLiteral("Interpretações do Mês Universal: 3"), QString(),
            m("INTMESUN", 3), SEP, QString(), QStringLiteral("Interpretações do Dia Universal: 5"),
            QString(), m("INTDIAUN", 5), SEP, QString(), m("CDATA", 7), QString(),
            QStringLiteral("Interpretações do Ano Pessoal: 1"), QString(), m("INTANOPS", 1), SEP,
            QString(), QStringLiteral("Interpretações do Mês Pessoal: 4"), QString(),
            m("INTMESPS", 4), SEP, QString(), QStringLiteral("Interpretações do Dia Pessoal: 6"),
            QString(), m("INTDIAPS", 6), SEP});
        QCOMPARE(parcial.documento.texto, esperado);
    }

    void numerosUniversaisNaoDependemDaPessoa()
    {
        const QDate hoje(2026, 12, 7);
        const QString a = Relatorio::CriaRelatorioParcial(
            QStringLiteral("Ana"), QStringLiteral("25/12/1970"), hoje, m_pasta.path())
                              .documento.texto;
        const QString b = Relatorio::CriaRelatorioParcial(
            QStringLiteral("Pedro"), QStringLiteral("03/06/1944"), hoje, m_pasta.path())
                              .documento.texto;
        auto universais = [](const QString &texto) {
            const qsizetype de = texto.indexOf(m("CDATA", 6));
            return texto.mid(de, texto.indexOf(m("CDATA", 7)) - de);
        };
        QVERIFY(!universais(a).isEmpty());
        QCOMPARE(universais(a), universais(b));
        QVERIFY(a.section(m("CDATA", 7), 1) != b.section(m("CDATA", 7), 1));
    }

    void semanalDe15deJulhoDe1960AtravessandoOAno()
    {
        // Universal year 1998: 9; month number 7, day number 6: personal year 4. December
        // gives personal month R(3 + 4) = 7, used for the January days too.
        const RelatorioGerado semanal
            = Relatorio::CriaRelatorioSemanal(QStringLiteral("maria de lourdes"),
                QStringLiteral("15/07/1960"), QDate(1998, 12, 28), m_pasta.path());
        QVERIFY(!semanal.caminhoDaVida);
        QCOMPARE(semanal.documento.legenda,
            QStringLiteral("Análise Numerológica Semanal de MARIA DE LOURDES"));
        const QString esperado
            = linhas({QStringLiteral("Resultado de Análise Numerológica Semanal:"), QString(),
                  QStringLiteral("Nome: MARIA DE LOURDES"),
                  QStringLiteral("Data de Nascimento: 15/jul/1960"),
                  QStringLiteral("Data desta Análise: 28/dez/1998"),
                  QStringLiteral("******************"), QString(), m("CDATA", 7), QString(),
                  QStringLiteral("Interpretações do Ano Pessoal: 4"), QString(), m("INTANOPS", 4),
                  SEP, QString(), QStringLiteral("Interpretações do Mês Pessoal: 7"), QString(),
                  m("INTMESPS", 7), SEP})
            + diaPessoal(QStringLiteral("28/dez/1998"), 8)
            + diaPessoal(QStringLiteral("29/dez/1998"), 9)
            + diaPessoal(QStringLiteral("30/dez/1998"), 1)
            + diaPessoal(QStringLiteral("31/dez/1998"), 2)
            + diaPessoal(QStringLiteral("01/jan/1999"), 8)
            + diaPessoal(QStringLiteral("02/jan/1999"), 9)
            + diaPessoal(QStringLiteral("03/jan/1999"), 1);
        QCOMPARE(semanal.documento.texto, esperado);
    }

    void semanalSempreComDuasSecoesESeteDias_data()
    {
        QTest::addColumn<QDate>("hoje");
        QTest::addColumn<QString>("primeiro");
        QTest::addColumn<QString>("ultimo");
        QTest::newRow("meio do mês")
            << QDate(2026, 12, 7) << QStringLiteral("07/dez/2026") << QStringLiteral("13/dez/2026");
        QTest::newRow("fim de fevereiro bissexto")
            << QDate(2024, 2, 26) << QStringLiteral("26/fev/2024") << QStringLiteral("03/mar/2024");
        QTest::newRow("fim de fevereiro comum")
            << QDate(2023, 2, 25) << QStringLiteral("25/fev/2023") << QStringLiteral("03/mar/2023");
        QTest::newRow("véspera de ano novo") << QDate(2026, 12, 31) << QStringLiteral("31/dez/2026")
                                             << QStringLiteral("06/jan/2027");
    }

    void semanalSempreComDuasSecoesESeteDias()
    {
        QFETCH(QDate, hoje);
        QFETCH(QString, primeiro);
        QFETCH(QString, ultimo);
        const QString texto = Relatorio::CriaRelatorioSemanal(
            QStringLiteral("Ana"), QStringLiteral("25/12/1970"), hoje, m_pasta.path())
                                  .documento.texto;
        QCOMPARE(texto.count(QStringLiteral("Interpretações do Ano Pessoal: ")), 1);
        QCOMPARE(texto.count(QStringLiteral("Interpretações do Mês Pessoal: ")), 1);
        QCOMPARE(texto.count(SEP), 9);

        QStringList datas;
        const QRegularExpression dia(QStringLiteral("Dia Pessoal para (\\d\\d/\\w{3}/\\d{4}): "));
        for (auto it = dia.globalMatch(texto); it.hasNext();)
            datas << it.next().captured(1);
        QCOMPARE(datas.size(), 7);
        QCOMPARE(datas.constFirst(), primeiro);
        QCOMPARE(datas.constLast(), ultimo);
        QVERIFY(texto.endsWith(SEP + NL));
    }

private:
    QTemporaryDir m_pasta;
};

QTEST_GUILESS_MAIN(TestRelatoriosParciais)
#include "tst_relatoriosparciais.moc"
