// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/Diretorio.h"
#include "core/directory/OrdemAlfabetica.h"

#include <QSqlQuery>
#include <QTest>

using BancoDeTeste::Coluna;

// Lists in the order a person reads them, the same in the engine and in the program, and
// the duplicate checks that ignore case.
class TestOrdemAlfabetica : public QObject
{
    Q_OBJECT

    static int Sinal(int r) { return (r > 0) - (r < 0); }

private slots:
    void listaNaOrdemDeQuemLe_data()
    {
        QTest::addColumn<QStringList>("ordem");
        QTest::newRow("caixa e acento não separam")
            << QStringList{"Álvaro", "ana", "Ângela", "Bruno", "carla", "Zé"};
        QTest::newRow("acento, depois caixa") << QStringList{"a", "A", "á", "Á", "à", "â", "ã"};
        QTest::newRow("cedilha e til") << QStringList{"Camilo", "Conceição", "Concepción", "Cora"};
        QTest::newRow("branco antes de letra") << QStringList{"Ana", "Ana Maria", "Anabela"};
        QTest::newRow("sinais, dígitos, letras") << QStringList{"(plantão)", "2º andar", "Ana"};
        QTest::newRow("letras em dobro")
            << QStringList{"Adão", "Æsir", "Afonso", "Strasse", "Straße"};
        // Where orders most often part: accents, case, blanks, signs, digits.
        const QStringList pecas
            = QString::fromUtf8("a|A|á|Á|à|â|ã|ä|e|é|É|ê|o|ô|õ|Ö|c|ç|Ç|n|ñ|u|ü|"
                                "ss|ß|æ|1|2| |_|-|,|;|:|!|?|.|'|\"|(|)|@|*|/|&|#|%|+|=|$")
                  .split(QLatin1Char('|'));
        QStringList gerados;
        for (quint32 semente = 22; gerados.size() < 300;) {
            QString nome;
            for (int n = 2 + int(semente % 4); n > 0; --n) {
                semente = semente * 1103515245u + 12345u;
                nome += pecas.at(int((semente >> 16) % quint32(pecas.size())));
            }
            if (!gerados.contains(nome))
                gerados.append(nome);
        }
        ordem::Ordena(gerados);
        QTest::newRow("300 nomes gerados") << gerados;
    }
    void listaNaOrdemDeQuemLe()
    {
        QFETCH(QStringList, ordem);
        const QStringList invertida(ordem.rbegin(), ordem.rend());
        QStringList ordenada = invertida;
        ordem::Ordena(ordenada);
        QCOMPARE(ordenada, ordem);

        BancoTemporario banco;
        QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
        Diretorio d;
        int codigo = 0; // pager codes of at most 10 digits, as a server's column holds
        for (const QString &nome : invertida) {
            QVERIFY(d.InsereUsuario({}, QString::number(++codigo), QDate(2026, 1, 1), nome));
            // Names that differ in case only: as an alteration may leave them.
            QSqlQuery grupo(BancoDeDados());
            grupo.prepare(QStringLiteral("INSERT INTO Grupos (Nome_Grupo) VALUES (?)"));
            grupo.addBindValue(nome);
            QVERIFY(grupo.exec());
            // Pages of one minute: the name breaks the tie.
            QVERIFY(d.GravaLog(QDateTime(QDate(2026, 1, 1), QTime(9, 0)), nome, {}, {}, 1));
        }
        QCOMPARE(Coluna(d.ListaUsuarios(), QStringLiteral("Nome_Usuario")), ordem);
        QCOMPARE(Coluna(d.ListaGrupos(), QStringLiteral("Nome_Grupo")), ordem);
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(), QStringLiteral("Usuario")), ordem);
    }

    // The engine trusts a collation to be a total order; a sort with a broken one loses rows.
    void ordemTotalECoerente()
    {
        QList<QByteArray> textos;
        for (const char *t : {"", " ", "a", "A", "á", "Á", "ab", "aB", "Ab", "ss", "ß", "SS", "ae",
                 "æ", "Æ", "oe", "œ", "Œ", "y", "ÿ", "Ÿ", "s", "š", "Š", "1", "¹", "ª", "a1", "ç",
                 "c", "α", "Ω", "€", "z", "ž"})
            textos.append(QByteArray(t));
        textos.append(QByteArray("a\xff"));
        textos.append(QByteArray("\xc3"));
        textos.append(QByteArray("a\xc3\x28"));
        for (const QByteArray &a : textos) {
            for (const QByteArray &b : textos) {
                const int ab = Sinal(ordem::Compara(a, b));
                QCOMPARE(ab, -Sinal(ordem::Compara(b, a)));
                QCOMPARE(ab == 0, a == b);
                for (const QByteArray &c : textos) {
                    if (ab < 0 && ordem::Compara(b, c) < 0)
                        QVERIFY2(ordem::Compara(a, c) < 0, (a + " " + b + " " + c).constData());
                }
            }
        }
    }

    void repetidoSemLevarEmContaACaixa_data()
    {
        QTest::addColumn<QString>("existente");
        QTest::addColumn<QString>("novo");
        QTest::addColumn<bool>("repetido");
        QTest::newRow("caixa") << "Vendas"
                               << "vENDAS" << true;
        QTest::newRow("acentuada") << "ÇÃO"
                                   << "ção" << true;
        QTest::newRow("acento conta") << "São"
                                      << "Sao" << false;
        QTest::newRow("código") << "AB12"
                                << "ab12" << true;
    }
    void repetidoSemLevarEmContaACaixa()
    {
        QFETCH(QString, existente);
        QFETCH(QString, novo);
        QFETCH(bool, repetido);
        BancoTemporario banco;
        QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
        Diretorio d;
        QVERIFY(d.InsereGrupo({}, existente));
        QVERIFY(d.InsereUsuario({}, existente, QDate(2026, 1, 1), QStringLiteral("Ana")));
        QCOMPARE(!d.InsereGrupo({}, novo), repetido);
        QCOMPARE(!d.InsereUsuario({}, novo, QDate(2026, 1, 1), QStringLiteral("Bia")), repetido);
        QCOMPARE(d.Motivo(), repetido ? Diretorio::Recusa::Repetido : Diretorio::Recusa::Nenhuma);
        QCOMPARE(Coluna(d.ListaGrupos(), QStringLiteral("Nome_Grupo")).size(), repetido ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestOrdemAlfabetica)
#include "tst_ordemalfabetica.moc"
