// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tap/TextoSeteBits.h"

#include <QTest>

class TestTextoSeteBits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void paraLinha_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("linha");
        QTest::newRow("plain ASCII untouched")
            << QStringLiteral("Reuniao as 10h! (sala 2)") << QByteArray("Reuniao as 10h! (sala 2)");
        QTest::newRow("letters the typing leaves")
            << QStringLiteral("À Â Ê Ô ô Ü è ï") << QByteArray("A A E O o U e i");
        QTest::newRow("letters the typing folds too")
            << QStringLiteral("áéíóúãõçñ ÁÉÍÓÚÃÕÇÑ") << QByteArray("aeiouaocn AEIOUAOCN");
        QTest::newRow("LF") << QStringLiteral("a\nb") << QByteArray("a b");
        QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QByteArray("a b");
        QTest::newRow("CR alone") << QStringLiteral("a\rb") << QByteArray("a b");
        QTest::newRow("two breaks") << QStringLiteral("a\n\nb") << QByteArray("a  b");
        QTest::newRow("tab and control bytes")
            << QStringLiteral("a\tb\x02\x03\x1e") << QByteArray("a b   ");
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QByteArray("a b");
        QTest::newRow("euro, quotes, dash")
            << QStringLiteral("€ “x” – ß") << QByteArray("? ?x? ? ?");
        QTest::newRow("emoji is one character")
            << QStringLiteral("ok \U0001F600") << QByteArray("ok ?");
        QTest::newRow("DEL") << QStringLiteral("a\x7f") << QByteArray("a ");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void paraLinha()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, linha);
        const QByteArray resultado = TextoSeteBits::ParaLinha(texto);
        QCOMPARE(resultado, linha);
        for (char c : resultado)
            QVERIFY2(c >= 0x20 && c < 0x7f, "a byte the 7-bit line would not carry");
    }

    void apara_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aparado");
        QTest::newRow("both ends") << QStringLiteral("  ab c  ") << QStringLiteral("ab c");
        QTest::newRow("only blanks") << QStringLiteral("   ") << QString();
        QTest::newRow("tab is kept") << QStringLiteral("\tab ") << QStringLiteral("\tab");
    }
    void apara()
    {
        QFETCH(QString, texto);
        QFETCH(QString, aparado);
        QCOMPARE(TextoSeteBits::Apara(texto), aparado);
    }
};

QTEST_GUILESS_MAIN(TestTextoSeteBits)
#include "tst_textosetebits.moc"
