// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void codifica_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("abc 123") << QByteArray("abc 123");
        QTest::newRow("latin") << QStringLiteral("ÇÃÔé") << QByteArray("\xC7\xC3\xD4\xE9");
        QTest::newRow("euro") << QStringLiteral("€5") << QByteArray("\x80" "5");
        QTest::newRow("aspas curvas") << QStringLiteral("“Zé”") << QByteArray("\x93Z\xE9\x94");
        QTest::newRow("fora da página") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
    }
    void codifica()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp1252::codifica(texto), bytes);
    }

    void idaEVoltaDeTodosOsBytesAtribuidos()
    {
        for (int b = 0; b < 256; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue;
            const QByteArray um(1, static_cast<char>(b));
            const QString s = cp1252::decodifica(um);
            QVERIFY2(cp1252::representavel(s), qPrintable(QString::number(b)));
            QCOMPARE(cp1252::codifica(s), um);
        }
    }

    void bytesNaoAtribuidosViramSubstituto()
    {
        QCOMPARE(cp1252::decodifica(QByteArray("\x81")), QString(QChar(0xFFFD)));
        QVERIFY(!cp1252::representavel(QStringLiteral("ok\u2603")));
        QVERIFY(cp1252::representavel(QStringLiteral("São Paulo às 10h")));
    }
};

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
