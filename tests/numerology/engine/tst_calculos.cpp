// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Calculos.h"

#include <QTest>
#include <limits>
#include <tuple>

using namespace Variaveis_Globais;

class TestCalculos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reducao_data()
    {
        QTest::addColumn<qint64>("numero");
        QTest::addColumn<int>("reduzido");
        QTest::newRow("0") << qint64(0) << 0;
        QTest::newRow("9") << qint64(9) << 9;
        QTest::newRow("10") << qint64(10) << 1;
        QTest::newRow("11 sem número mestre") << qint64(11) << 2;
        QTest::newRow("19") << qint64(19) << 1;
        QTest::newRow("22 sem número mestre") << qint64(22) << 4;
        QTest::newRow("29") << qint64(29) << 2;
        QTest::newRow("33 sem número mestre") << qint64(33) << 6;
        QTest::newRow("99") << qint64(99) << 9;
        QTest::newRow("1970") << qint64(1970) << 8;
        QTest::newRow("1999 em três passos") << qint64(1999) << 1;
        QTest::newRow("além de 16 bits") << qint64(40000) << 4;
        QTest::newRow("negativo conta pelo valor absoluto") << qint64(-1970) << 8;
        QTest::newRow("o maior") << std::numeric_limits<qint64>::max() << 7;
        QTest::newRow("o mais negativo") << std::numeric_limits<qint64>::min() << 8;
    }
    void reducao()
    {
        QFETCH(qint64, numero);
        QFETCH(int, reduzido);
        QCOMPARE(ReduzNumero(numero), reduzido);
    }

    void tabelasDeLetras_data()
    {
        QTest::addColumn<QChar>("letra");
        QTest::addColumn<int>("todas");
        QTest::addColumn<int>("consoante");
        QTest::addColumn<int>("vogal");
        QTest::newRow("A") << QChar(u'A') << 1 << 0 << 1;
        QTest::newRow("a minúsculo") << QChar(u'a') << 1 << 0 << 1;
        QTest::newRow("J") << QChar(u'J') << 1 << 1 << 0;
        QTest::newRow("t") << QChar(u't') << 2 << 2 << 0;
        QTest::newRow("U") << QChar(u'U') << 3 << 0 << 3;
        QTest::newRow("m") << QChar(u'm') << 4 << 4 << 0;
        QTest::newRow("E") << QChar(u'E') << 5 << 0 << 5;
        QTest::newRow("w") << QChar(u'w') << 5 << 5 << 0;
        QTest::newRow("O") << QChar(u'O') << 6 << 0 << 6;
        QTest::newRow("x") << QChar(u'x') << 6 << 6 << 0;
        QTest::newRow("Y é vogal") << QChar(u'Y') << 7 << 0 << 7;
        QTest::newRow("p") << QChar(u'p') << 7 << 7 << 0;
        QTest::newRow("Z") << QChar(u'Z') << 8 << 8 << 0;
        QTest::newRow("i") << QChar(u'i') << 9 << 0 << 9;
        QTest::newRow("R") << QChar(u'R') << 9 << 9 << 0;
        QTest::newRow("espaço") << QChar(u' ') << 0 << 0 << 0;
        QTest::newRow("algarismo") << QChar(u'7') << 0 << 0 << 0;
        QTest::newRow("hífen") << QChar(u'-') << 0 << 0 << 0;
        QTest::newRow("apóstrofo") << QChar(u'\'') << 0 << 0 << 0;
        QTest::newRow("letra acentuada") << QChar(u'É') << 0 << 0 << 0;
        QTest::newRow("cedilha") << QChar(u'ç') << 0 << 0 << 0;
        QTest::newRow("i sem pingo") << QChar(u'\u0131') << 0 << 0 << 0;
        QTest::newRow("s longo") << QChar(u'\u017F') << 0 << 0 << 0;
    }
    void tabelasDeLetras()
    {
        QFETCH(QChar, letra);
        QFETCH(int, todas);
        QFETCH(int, consoante);
        QFETCH(int, vogal);
        QCOMPARE(ValorLetra(letra), todas);
        QCOMPARE(ValorConsoante(letra), consoante);
        QCOMPARE(ValorVogal(letra), vogal);
    }

    void numerosDoNome_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("expressao");
        QTest::addColumn<int>("impulsoAlma");
        QTest::addColumn<int>("euSilencioso");
        QTest::newRow("exemplo") << QStringLiteral("Ana Souza") << 8 << 3 << 5;
        QTest::newRow("maiúsculas iguais") << QStringLiteral("ANA SOUZA") << 8 << 3 << 5;
        QTest::newRow("pontuação soma 0") << QStringLiteral("Ana-Souza 2'") << 8 << 3 << 5;
        QTest::newRow("sem consoantes") << QStringLiteral("Aeiou") << 6 << 6 << 0;
        QTest::newRow("sem vogais") << QStringLiteral("Brt") << 4 << 0 << 4;
        QTest::newRow("só espaços") << QStringLiteral("   ") << 0 << 0 << 0;
    }
    void numerosDoNome()
    {
        QFETCH(QString, nome);
        QFETCH(int, expressao);
        QFETCH(int, impulsoAlma);
        QFETCH(int, euSilencioso);
        QCOMPARE(NumeroExpressao(nome), expressao);
        QCOMPARE(NumeroImpulsoAlma(nome), impulsoAlma);
        QCOMPARE(NumeroEuSilencioso(nome), euSilencioso);
    }

    void nomeLongoNaoTransbordaOTotal()
    {
        // 5000 Z make 40000, beyond a 16-bit total; the sum must still reduce correctly.
        QCOMPARE(NumeroExpressao(QString(5000, u'Z')), 4);
        QCOMPARE(NumeroEuSilencioso(QString(5000, u'z')), 4);
    }

    void exemploCompleto()
    {
        const NumerosNascimento n = CalculaNumerosNascimento(QStringLiteral("25/12/1970"));
        QCOMPARE(n.numeroDia, 7);
        QCOMPARE(n.numeroMes, 3);
        QCOMPARE(n.numeroAno, 8);
        QCOMPARE(n.caminhoDaVida, 9);
        QCOMPARE(n.numeroAniversario, 7);
        QCOMPARE(n.desafioAniversario, 3);
        QCOMPARE(n.presenteAniversario, 6);
        QCOMPARE(n.cicloFormativo, 3);
        QCOMPARE(n.cicloProdutivo, 7);
        QCOMPARE(n.cicloColheita, 8);
        QCOMPARE(n.anoCicloProdutivo, 1998);
        QCOMPARE(n.anoCicloColheita, 2025);
        QCOMPARE(n.apices, (std::array<int, 4>{1, 6, 7, 2}));
        QCOMPARE(n.idadesApices, (std::array<int, 3>{27, 36, 45}));
        QCOMPARE(n.primeiroDesafioMenor, 4);
        QCOMPARE(n.segundoDesafioMenor, 1);
        QCOMPARE(n.desafioMaior, 3);
        QCOMPARE(n.desafioMenorAdicional, 5);

        const NumerosDoDia d = CalculaNumerosDoDia(n, QDate(1998, 3, 2));
        QCOMPARE(d.anoUniversal, 9);
        QCOMPARE(d.mesUniversal, 3);
        QCOMPARE(d.diaUniversal, 5);
        QCOMPARE(d.anoPessoal, 1);
        QCOMPARE(d.mesPessoal, 4);
        QCOMPARE(d.diaPessoal, 6);

        const NumerosNome nome = CalculaNumerosNome(QStringLiteral("Ana Souza"), n.caminhoDaVida);
        QCOMPARE(nome.primeiraVogal, QChar(u'A'));
        QCOMPARE(nome.indicePrimeiraVogal, 1);
        QCOMPARE(nome.caracteristicaNome, 8);
        QCOMPARE(nome.realidade, 8);

        QCOMPARE(ListaNumeros(n), QStringLiteral(" 9 7 3 8 7 3 6 1 6 7 2 4 1 3 5"));
        QCOMPARE(NumerosSaude(ListaNumeros(n)), (QList<int>{3, 7}));
    }

    void desafioEPresenteDoAniversario_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("desafio");
        QTest::addColumn<int>("presente");
        QTest::newRow("dia 11") << QStringLiteral("11/05/1980") << 0 << 9;
        QTest::newRow("dia 22") << QStringLiteral("22/05/1980") << 0 << 9;
        QTest::newRow("dia 09") << QStringLiteral("09/05/1980") << 9 << 0;
        QTest::newRow("dia 30") << QStringLiteral("30/05/1980") << 3 << 6;
    }
    void desafioEPresenteDoAniversario()
    {
        QFETCH(QString, data);
        QFETCH(int, desafio);
        QFETCH(int, presente);
        const NumerosNascimento n = CalculaNumerosNascimento(data);
        QCOMPARE(n.desafioAniversario, desafio);
        QCOMPARE(n.presenteAniversario, presente);
    }

    void desafiosDaVida_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QList<int>>("desafios"); // first minor, second minor, major, additional
        QTest::newRow("mês igual ao dia") << QStringLiteral("03/12/1970") << QList<int>{0, 5, 5, 5};
        QTest::newRow("mês, dia e ano iguais")
            << QStringLiteral("01/01/1000") << QList<int>{0, 0, 0, 0};
        QTest::newRow("exemplo") << QStringLiteral("25/12/1970") << QList<int>{4, 1, 3, 5};
    }
    void desafiosDaVida()
    {
        QFETCH(QString, data);
        QFETCH(QList<int>, desafios);
        const NumerosNascimento n = CalculaNumerosNascimento(data);
        QCOMPARE((QList<int>{n.primeiroDesafioMenor, n.segundoDesafioMenor, n.desafioMaior,
                     n.desafioMenorAdicional}),
            desafios);
    }

    void idadesDasRealizacoes_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("caminho");
        QTest::addColumn<QList<int>>("idades");
        QTest::newRow("caminho 1") << QStringLiteral("01/01/1997") << 1 << QList<int>{35, 44, 53};
        QTest::newRow("caminho 9") << QStringLiteral("25/12/1970") << 9 << QList<int>{27, 36, 45};
    }
    void idadesDasRealizacoes()
    {
        QFETCH(QString, data);
        QFETCH(int, caminho);
        QFETCH(QList<int>, idades);
        const NumerosNascimento n = CalculaNumerosNascimento(data);
        QCOMPARE(n.caminhoDaVida, caminho);
        QCOMPARE((QList<int>{n.idadesApices[0], n.idadesApices[1], n.idadesApices[2]}), idades);
    }

    void mudancaDeCiclo_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("produtivo");
        QTest::addColumn<int>("colheita");
        QTest::newRow("exemplo: +1 e -2") << QStringLiteral("25/12/1970") << 1998 << 2025;
        QTest::newRow("X = 1 fica no ano exato") << QStringLiteral("25/12/1971") << 1998 << 2025;
        QTest::newRow("X = 4 recua 3") << QStringLiteral("25/12/1974") << 1998 << 2034;
        QTest::newRow("X = 5 avança 5") << QStringLiteral("25/12/1975") << 2007 << 2034;
    }
    void mudancaDeCiclo()
    {
        QFETCH(QString, data);
        QFETCH(int, produtivo);
        QFETCH(int, colheita);
        const NumerosNascimento n = CalculaNumerosNascimento(data);
        QCOMPARE(n.anoCicloProdutivo, produtivo);
        QCOMPARE(n.anoCicloColheita, colheita);
    }

    void mudancaDeCicloCaiEmAnoPessoalUm()
    {
        for (int ano = 1900; ano < 2100; ++ano) {
            for (const auto &[mes, dia] : {std::pair{1, 1}, {7, 15}, {12, 29}}) {
                const int numeroMes = ReduzNumero(mes);
                const int numeroDia = ReduzNumero(dia);
                for (const int k : {27, 57}) {
                    const int mudanca = AnoMudancaCiclo(ano, numeroMes, numeroDia, k);
                    QCOMPARE(AnoPessoal(numeroMes, numeroDia, AnoUniversal(mudanca)), 1);
                    QVERIFY(mudanca >= ano + k - 3 && mudanca <= ano + k + 5);
                }
            }
        }
    }

    // The narrow parameters at their extremes: still personal year 1, near birth year + k.
    void mudancaDeCicloNosExtremos()
    {
        for (const auto &[ano, numero, k] :
            {std::tuple{1, 1, 27}, {65535, 9, 57}, {65535, 255, 255}}) {
            const auto n = static_cast<quint8>(numero);
            const int mudanca
                = AnoMudancaCiclo(static_cast<quint16>(ano), n, n, static_cast<quint8>(k));
            QVERIFY(mudanca >= ano + k - 3 && mudanca <= ano + k + 5);
            QCOMPARE(ReduzNumero(ReduzNumero(2 * numero) + ReduzNumero(mudanca)), 1);
        }
    }

    void primeiraVogalECaracteristica_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QChar>("vogal");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("caracteristica");
        QTest::newRow("Brian") << QStringLiteral("Brian") << QChar(u'I') << 3 << 5;
        QTest::newRow("Y minúsculo") << QStringLiteral("sky") << QChar(u'Y') << 6 << 3;
        QTest::newRow("Otto") << QStringLiteral("otto") << QChar(u'O') << 4 << 4;
        QTest::newRow("sem vogal") << QStringLiteral("Brt Lz") << QChar() << 0 << 5;
        QTest::newRow("só espaços") << QStringLiteral("    ") << QChar() << 0 << 0;
        QTest::newRow("i sem pingo não é vogal")
            << QStringLiteral("T\u0131m Ana") << QChar(u'A') << 1 << 6;
        QTest::newRow("dez letras") << QStringLiteral("Joao Pedro Lima") << QChar(u'O') << 4 << 4;
    }
    void primeiraVogalECaracteristica()
    {
        QFETCH(QString, nome);
        QFETCH(QChar, vogal);
        QFETCH(int, indice);
        QFETCH(int, caracteristica);
        const NumerosNome n = CalculaNumerosNome(nome, 9);
        QCOMPARE(n.primeiraVogal, vogal);
        QCOMPARE(n.indicePrimeiraVogal, indice);
        QCOMPARE(n.caracteristicaNome, caracteristica);
    }

    void numerosDaSaude_data()
    {
        QTest::addColumn<QList<int>>("lista");
        QTest::addColumn<QList<int>>("saude");
        QTest::newRow("cada dígito uma vez") << QList<int>{5, 0, 3} << QList<int>{0, 3, 5};
        QTest::newRow("um só máximo") << QList<int>{2, 2, 9, 1} << QList<int>{2};
        QTest::newRow("empate em ordem") << QList<int>{8, 1, 8, 1, 4} << QList<int>{1, 8};
        QTest::newRow("lista vazia") << QList<int>{} << QList<int>{};
    }
    void numerosDaSaude()
    {
        QFETCH(QList<int>, lista);
        QFETCH(QList<int>, saude);
        QCOMPARE(NumerosSaude(lista), saude);
    }

    void diaPessoalDeOutroDia()
    {
        // Personal month 4 with day 28: 4 + 1 = 5; with day 9: 4 + 9 = 13 -> 4.
        QCOMPARE(DiaPessoal(4, 28), 5);
        QCOMPARE(DiaPessoal(4, 9), 4);
        // Born 15/07/1960 analysed in 1998: personal year R(7 + 6 + 9) = 4.
        const NumerosNascimento n = CalculaNumerosNascimento(QStringLiteral("15/07/1960"));
        QCOMPARE(CalculaNumerosDoDia(n, QDate(1998, 5, 1)).anoPessoal, 4);
    }

    void dataMalformadaNaoQuebra()
    {
        const NumerosNascimento n = CalculaNumerosNascimento(QStringLiteral("ab"));
        QCOMPARE(n.diaNascimento, 0);
        QCOMPARE(n.caminhoDaVida, 0);
        QCOMPARE(ListaNumeros(QString()).size(), 30);
    }
};

QTEST_GUILESS_MAIN(TestCalculos)
#include "tst_calculos.moc"
