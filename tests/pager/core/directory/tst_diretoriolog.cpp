// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/Diretorio.h"

#include <QTest>
#include <memory>

using BancoDeTeste::Coluna;

// The log of delivered messages: what the transmission writes and the history reads.
class TestDiretorioLog : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
    }
    void cleanup() { banco_.reset(); }

    void linhaGravadaComoEntregue_data()
    {
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("hora");
        QTest::newRow("manhã, nome com 50 caracteres")
            << QDateTime(QDate(2026, 3, 5), QTime(9, 7, 59))
            << QStringLiteral("Ana").leftJustified(50) << QStringLiteral("  Reunião às 10h  ")
            << QStringLiteral("20260305") << QStringLiteral("09:07");
        QTest::newRow("tarde, 24 horas")
            << QDateTime(QDate(1998, 12, 6), QTime(23, 59)) << QStringLiteral("Zé")
            << QStringLiteral("fim") << QStringLiteral("19981206") << QStringLiteral("23:59");
        QTest::newRow("aspas e apóstrofo")
            << QDateTime(QDate(2026, 1, 1), QTime(0, 0)) << QStringLiteral("O'Brien")
            << QStringLiteral("diga \"sim\" e 'não'") << QStringLiteral("20260101")
            << QStringLiteral("00:00");
    }
    void linhaGravadaComoEntregue()
    {
        QFETCH(QDateTime, momento);
        QFETCH(QString, usuario);
        QFETCH(QString, mensagem);
        QFETCH(QString, data);
        QFETCH(QString, hora);
        Diretorio d;
        QVERIFY2(d.GravaLog(momento, usuario, mensagem, QStringLiteral("5551234"), 42),
            qPrintable(d.Erro()));
        auto log = BancoDeTeste::ListaLog();
        QVERIFY(log && log->NumeroDeRegistros() == 1);
        QCOMPARE(log->Campo(QStringLiteral("Data")).toString(), data);
        QCOMPARE(log->Campo(QStringLiteral("Hora")).toString(), hora);
        QCOMPARE(log->Campo(QStringLiteral("Usuario")).toString(), usuario);
        QCOMPARE(log->Campo(QStringLiteral("Mensagem")).toString(), mensagem);
        QCOMPARE(log->Campo(QStringLiteral("ID_Pager")).toString(), QStringLiteral("5551234"));
        QCOMPARE(log->Campo(QStringLiteral("ID_Usuario")).toInt(), 42);
    }

    void historicoEmOrdemDeDataHoraENome()
    {
        Diretorio d;
        const struct
        {
            QDateTime momento;
            const char *nome;
            int id;
        } linhas[] = {
            {QDateTime(QDate(2026, 12, 7), QTime(9, 0)), "Bruno", 2},
            {QDateTime(QDate(2025, 12, 31), QTime(23, 59)), "Zé", 1},
            {QDateTime(QDate(2026, 12, 7), QTime(9, 0)), "Ana", 1},
            {QDateTime(QDate(2026, 12, 7), QTime(10, 0)), "Ana", 1},
            {QDateTime(QDate(2026, 1, 15), QTime(8, 30)), "Caio", 2},
        };
        for (const auto &l : linhas) {
            QVERIFY(d.GravaLog(l.momento, QString::fromUtf8(l.nome), QStringLiteral("m"),
                QStringLiteral("1"), l.id));
        }
        auto todas = BancoDeTeste::ListaLog();
        QCOMPARE(todas->NumeroDeRegistros(), 5);
        QStringList ordem;
        for (; !todas->NoFim(); todas->Proximo()) {
            ordem << todas->Campo(QStringLiteral("Data")).toString() + QLatin1Char(' ')
                    + todas->Campo(QStringLiteral("Hora")).toString() + QLatin1Char(' ')
                    + todas->Campo(QStringLiteral("Usuario")).toString();
        }
        QCOMPARE(ordem,
            QStringList({"20251231 23:59 Zé", "20260115 08:30 Caio", "20261207 09:00 Ana",
                "20261207 09:00 Bruno", "20261207 10:00 Ana"}));
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(1), QStringLiteral("Hora")),
            QStringList({"23:59", "09:00", "10:00"}));
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(2), QStringLiteral("Usuario")),
            QStringList({"Caio", "Bruno"}));
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(3), QStringLiteral("Usuario")), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDiretorioLog)
#include "tst_diretoriolog.moc"
