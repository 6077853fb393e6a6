// SPDX-License-Identifier: GPL-3.0-or-later
#include "../ArquivosDeTeste.h"
#include "engine/RelatorioCompleto.h"
#include "engine/SecoesRelatorio.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using ArquivosDeTeste::marcador;

namespace {

const QString NL = QStringLiteral("\r\n");
const QString SEP = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-");

QString linhas(const QStringList &l)
{
    return l.join(NL) + NL;
}

QString m(const char *arquivo, int registro)
{
    return marcador(QString::fromLatin1(arquivo), registro);
}

// Ana Souza, born 25/12/1970, analysed on 2 March 1998, with the marker files.
QStringList secoesEsperadas()
{
    const QString desafio = QStringLiteral(
        "Esta é uma lição a ser aprendida. Esta vibração pode causar ansiedade ou tensão na vida, "
        "até ser superdada ou compreendida.");
    const QString dom
        = QStringLiteral("Este é um dom oferecido para compensar o Desafio do Dia do Nascimento.");
    const QString saude = QStringLiteral(
        "São esses os números que usamos para indicar precauções relativas à saúde ou para "
        "apontar onde podem ocorrer os sintomas.");
    auto padrao = [](const QString &titulo, const QString &texto) {
        return linhas({QString(), titulo, QString(), texto, SEP});
    };
    auto comIntro = [&](int intro, const QString &titulo, const QString &texto) {
        return linhas({QString(), m("CDATA", intro)}) + padrao(titulo, texto);
    };
    return {
        linhas({QStringLiteral("Resultado de Análise Numerológica:"), QString(),
            QStringLiteral("Nome: ANA SOUZA"), QStringLiteral("Data de Nascimento: 25/dez/1970"),
            QStringLiteral("Data desta Análise: 02/mar/1998"),
            QStringLiteral("******************")}),
        comIntro(1, QStringLiteral("Interpretações do Caminho da Vida: 9"), m("CVIDA", 9)),
        linhas({QString(), m("CDATA", 2), QString(),
            QStringLiteral("Dia em que Começa o Ciclo Formativo: 25/12/1970 - Número: 3"),
            QString(), m("CFORM", 3), QString(),
            QStringLiteral("Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: "
                           "25/12/1998 - Número: 7"),
            QString(), m("CPROD", 7), QString(),
            QStringLiteral("Dia em que Termina o Ciclo Produtivo e Começa o Ciclo Colheita: "
                           "25/12/2025 - Número: 8"),
            QString(), m("CCOLH", 8), SEP}),
        comIntro(3, QStringLiteral("Vibrações do Dia do Nascimento: 7"), m("CDNAS", 7)),
        linhas({QString(), QStringLiteral("Desafios do Dia do Nascimento: 3"), desafio, QString(),
            m("DESNASC", 4), SEP}),
        linhas({QString(), QStringLiteral("O Presente do Dia de Nascimento: 6"), dom, QString(),
            QStringLiteral("O seu dom para o Presente de Nascimento é ") + m("PRESNASC", 7)
                + QStringLiteral("."),
            SEP}),
        linhas({QString(), m("CDATA", 4), QString(),
            QStringLiteral("Interpretação das Realizações/Ápices"), QString(),
            QStringLiteral("A sua primeira realização tem início na data de seu nascimento e "
                           "prolonga-se até os seus 27 anos. Número: 1"),
            QString(), m("APICES", 1) + QStringLiteral("."), QString(),
            QStringLiteral("A sua segunda realização tem início aos seus 27 anos e "
                           "prolonga-se até os seus 36 anos. Número: 6"),
            QString(), m("APICES", 6) + QStringLiteral("."), QString(),
            QStringLiteral("A sua terceira realização tem início aos seus 36 anos e "
                           "prolonga-se até os seus 45 anos. Número: 7"),
            QString(), m("APICES", 7) + QStringLiteral("."), QString(),
            QStringLiteral("A sua quarta realização tem início aos seus 45 anos e "
                           "prolonga-se até o fim de sua vida. Número: 2"),
            QString(), m("APICES", 2) + QStringLiteral("."), SEP}),
        linhas({QString(), m("CDATA", 5), QString(),
            QStringLiteral("Interpretações dos Desafios da Vida"), QString(),
            QStringLiteral("Desafio Maior (Sentido durante a vida inteira): 3"), QString(),
            m("DESVIDA", 4) + QStringLiteral("."), QString(),
            QStringLiteral("1º Desafio Menor (Vibra principalmente durante a primeira metade "
                           "da vida): 4"),
            QString(), m("DESVIDA", 5) + QStringLiteral("."), QString(),
            QStringLiteral("2º Desafio Menor (Vibra principalmente durante a última metade "
                           "da vida): 1"),
            QString(), m("DESVIDA", 2) + QStringLiteral("."), QString(),
            QStringLiteral("Desafio Menor Adicional: 5"), QString(),
            m("DESVIDA", 6) + QStringLiteral("."), SEP}),
        linhas({QString(), QStringLiteral("Indicações para a Saúde"), QString(), saude, QString(),
            m("INDSAUDE", 4), m("INDSAUDE", 8), SEP}),
        comIntro(6, QStringLiteral("Interpretações do Ano Universal: 9"), m("INTANOUN", 9)),
        padrao(QStringLiteral("Interpretações do Mês Universal: 3"), m("INTMESUN", 3)),
        padrao(QStringLiteral("Interpretações do Dia Universal: 5"), m("INTDIAUN", 5)),
        comIntro(7, QStringLiteral("Interpretações do Ano Pessoal: 1"), m("INTANOPS", 1)),
        padrao(QStringLiteral("Interpretações do Mês Pessoal: 4"), m("INTMESPS", 4)),
        padrao(QStringLiteral("Interpretações do Dia Pessoal: 6"), m("INTDIAPS", 6)),
        comIntro(8, QStringLiteral("Interpretações da Expressão: 8"), m("INTEXEXP", 8)),
        comIntro(9, QStringLiteral("Interpretações do Impulso da Alma: 3"), m("IMPXALMA", 3)),
        comIntro(10, QStringLiteral("O Eu Silencioso: 5"), m("EUXSILEN", 5)),
        comIntro(11, QStringLiteral("Interpretação da Primeira Vogal: A"), m("INTVOG", 1)),
        comIntro(
            12, QStringLiteral("Interpretações da Característica do Nome: 8"), m("INTNOME", 8)),
        comIntro(13, QStringLiteral("Interpretações do Número da Realidade: 8"), m("INTREALI", 8)),
    };
}

} // namespace

class TestRelatorio : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_pasta;
    QString pasta() const { return m_pasta.path(); }
    RelatorioGerado exemplo(const QString &pastaDados) const
    {
        return Relatorio::CriaRelatorio(QStringLiteral("Ana Souza"), QStringLiteral("25/12/1970"),
            QDate(1998, 3, 2), pastaDados);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(m_pasta.isValid());
        QVERIFY(ArquivosDeTeste::gravaTodos(pasta()));
    }

    void exemploSecaoPorSecao()
    {
        const RelatorioGerado gerado = exemplo(pasta());
        const QString &texto = gerado.documento.texto;
        const QStringList secoes = secoesEsperadas();
        QCOMPARE(secoes.size(), 21);
        qsizetype posicao = 0;
        for (int i = 0; i < secoes.size(); ++i) {
            const QString atual = texto.mid(posicao, secoes.at(i).size());
            if (atual != secoes.at(i))
                qWarning("seção %d difere", i);
            QCOMPARE(atual, secoes.at(i));
            posicao += secoes.at(i).size();
        }
        QCOMPARE(posicao, texto.size());
        QVERIFY(texto.endsWith(SEP + NL));
        QCOMPARE(texto.count(QLatin1Char('\n')), texto.count(NL));
    }

    void legendaECaminhoDaVida()
    {
        const RelatorioGerado gerado = Relatorio::CriaRelatorio(
            QStringLiteral("ana souza"), QStringLiteral("25/12/1970"), QDate(1998, 3, 2), pasta());
        QCOMPARE(gerado.documento.legenda, QStringLiteral("Análise Numerológica de ANA SOUZA"));
        QCOMPARE(gerado.caminhoDaVida, std::optional<int>(9));
    }

    void desafioZeroListaTodosOsRegistros()
    {
        const QString texto = Relatorio::CriaRelatorio(
            QStringLiteral("Ana Souza"), QStringLiteral("11/05/1980"), QDate(1998, 3, 2), pasta())
                                  .documento.texto;
        QStringList desafios;
        for (int r = 1; r <= 10; ++r)
            desafios << m("DESNASC", r);
        const QString esperado = NL + QStringLiteral("Desafios do Dia do Nascimento: 0") + NL
            + QStringLiteral("Esta é uma lição a ser aprendida. Esta vibração pode causar "
                             "ansiedade ou tensão na vida, até ser superdada ou compreendida.")
            + NL + NL + linhas(desafios) + SEP + NL;
        QVERIFY2(texto.contains(esperado), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("O seu dom para o Presente de Nascimento é ")
            + m("PRESNASC", 10) + QStringLiteral(".")));
    }

    void arquivoAusenteDeixaTextoVazioNoLugar()
    {
        QTemporaryDir outra;
        QVERIFY(ArquivosDeTeste::gravaTodos(outra.path()));
        QVERIFY(QFile::remove(QDir(outra.path()).filePath(QStringLiteral("CVIDA.DAT"))));
        QString esperado = secoesEsperadas().join(QString());
        esperado.replace(m("CVIDA", 9), QString());
        QCOMPARE(exemplo(outra.path()).documento.texto, esperado);
    }

    void nomeSemLetrasMantemAsSecoes()
    {
        const QString texto = Relatorio::CriaRelatorio(
            QStringLiteral("   "), QStringLiteral("25/12/1970"), QDate(1998, 3, 2), pasta())
                                  .documento.texto;
        QCOMPARE(texto.count(SEP), 20);
        const QStringList titulos = {
            QStringLiteral("Interpretações da Expressão: 0"),
            QStringLiteral("Interpretações do Impulso da Alma: 0"),
            QStringLiteral("O Eu Silencioso: 0"),
            QStringLiteral("Interpretação da Primeira Vogal: "),
            QStringLiteral("Interpretações da Característica do Nome: 0"),
        };
        for (const QString &titulo : titulos) {
            const qsizetype onde = texto.indexOf(NL + titulo + NL + NL);
            QVERIFY2(onde >= 0, qPrintable(titulo));
            const qsizetype inicioFrase = onde + NL.size() + titulo.size() + 2 * NL.size();
            const QString frase
                = texto.mid(inicioFrase, texto.indexOf(NL, inicioFrase) - inicioFrase);
            QVERIFY2(frase.startsWith(QStringLiteral("O nome informado")), qPrintable(frase));
        }
        QVERIFY(!texto.contains(QStringLiteral("[INTEXEXP")));
        QVERIFY(!texto.contains(QStringLiteral("[INTVOG")));
        // The reality number still has its record: 0 + life path 9.
        QVERIFY(texto.contains(QStringLiteral("Interpretações do Número da Realidade: 9") + NL + NL
            + m("INTREALI", 9)));
    }

    void dataComMesAbreviado_data()
    {
        QTest::addColumn<int>("mes");
        QTest::addColumn<QString>("texto");
        const char *meses[]
            = {"jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(meses[i])
                << i + 1 << QStringLiteral("05/%1/2001").arg(QLatin1String(meses[i]));
    }
    void dataComMesAbreviado()
    {
        QFETCH(int, mes);
        QFETCH(QString, texto);
        QCOMPARE(Relatorio::DataExtenso(QDate(2001, mes, 5)), texto);
    }
};

QTEST_GUILESS_MAIN(TestRelatorio)
#include "tst_relatorio.moc"
