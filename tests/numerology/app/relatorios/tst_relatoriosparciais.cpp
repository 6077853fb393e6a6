// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ArquivosDeTeste.h"
#include "app/relatorios/RelatorioParcial.h"
#include "app/relatorios/RelatorioSemanal.h"
#include "engine/RelatorioCompleto.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString NL = QStringLiteral("\r\n");
const QString SEP = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-");

QString m(const char *arquivo, int registro)
{
    return ArquivosDeTeste::marcador(QString::fromLatin1(arquivo), registro);
}

QString linhas(const QStringList &l)
{
    return l.join(NL) + NL;
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
        QVERIFY(ArquivosDeTeste::gravaTodos(m_pasta.path()));
    }

    void parcialTemAsSeteSecoesDoCompletoDoMesmoDia_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("nascimento");
        QTest::addColumn<QDate>("hoje");
        QTest::newRow("Ana Souza")
            << QStringLiteral("Ana Souza") << QStringLiteral("25/12/1970") << QDate(1998, 3, 2);
        QTest::newRow("desafio 0, véspera de ano novo")
            << QStringLiteral("joão da silva") << QStringLiteral("11/02/1985")
            << QDate(2026, 12, 31);
    }

    void parcialTemAsSeteSecoesDoCompletoDoMesmoDia()
    {
        QFETCH(QString, nome);
        QFETCH(QString, nascimento);
        QFETCH(QDate, hoje);
        const QString completo
            = Relatorio::CriaRelatorio(nome, nascimento, hoje, m_pasta.path()).documento.texto;
        const RelatorioGerado parcial
            = Relatorio::CriaRelatorioParcial(nome, nascimento, hoje, m_pasta.path());

        // In the complete report the seven sections run from the health section up to the
        // introduction of the expression.
        const qsizetype de = completo.indexOf(NL + QStringLiteral("Indicações para a Saúde"));
        const qsizetype ate = completo.indexOf(NL + m("CDATA", 8) + NL);
        QVERIFY(de > 0 && ate > de);
        // The head differs from the complete report's in its title only.
        const QString titulo = QStringLiteral("Resultado de Análise Numerológica:");
        const qsizetype fimCabecalho = completo.indexOf(QStringLiteral("*") + NL) + 3;
        const QString cabecalho = QStringLiteral("Resultado de Análise Numerológica Parcial:")
            + completo.mid(titulo.size(), fimCabecalho - titulo.size());
        QCOMPARE(parcial.documento.texto, cabecalho + completo.mid(de, ate - de));
        QCOMPARE(parcial.documento.legenda,
            QStringLiteral("Análise Numerológica Parcial de ") + nome.toUpper());
        QCOMPARE(parcial.caminhoDaVida,
            Relatorio::CriaRelatorio(nome, nascimento, hoje, m_pasta.path()).caminhoDaVida);
    }

    void semanalEm28DeDezembroUsaOMesPessoalDesteAno()
    {
        // Born 15/07/1960, in 1998: universal year 9, month number 7, day number 6, personal
        // year 4; December gives personal month R(3 + 4) = 7, kept for the January days.
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

private:
    QTemporaryDir m_pasta;
};

QTEST_GUILESS_MAIN(TestRelatoriosParciais)
#include "tst_relatoriosparciais.moc"
