// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pedido.h"

#include <QTest>

// What the server receives for a typed text: the encoded message and the whole request.
class TestPedido : public QObject
{
    Q_OBJECT

private slots:
    void codificaMensagem_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QByteArray>("enviado");
        QTest::newRow("blanks and question mark")
            << QStringLiteral("Oi tudo bem?") << QByteArray("Oi+tudo+bem!");
        QTest::newRow("plus unchanged") << QStringLiteral("1+1 = 2") << QByteArray("1+1+=+2");
        QTest::newRow("ampersand unchanged") << QStringLiteral("a&b=c") << QByteArray("a&b=c");
        QTest::newRow("c cedilla byte 231") << QStringLiteral("Ação") << QByteArray("A\xE7\xE3o");
        QTest::newRow("euro sign in code page") << QStringLiteral("5 €") << QByteArray("5+\x80");
        QTest::newRow("outside the code page") << QStringLiteral("a\u4E2Db") << QByteArray("a!b");
        QTest::newRow("pasted CR LF")
            << QStringLiteral("linha 1\r\nlinha 2") << QByteArray("linha+1%0D%0Alinha+2");
        QTest::newRow("edit box LF") << QStringLiteral("um\ndois") << QByteArray("um%0D%0Adois");
        QTest::newRow("lone CR") << QStringLiteral("um\rdois") << QByteArray("um%0D%0Adois");
        QTest::newRow("two line breaks")
            << QStringLiteral("a\r\n\r\nb") << QByteArray("a%0D%0A%0D%0Ab");
        QTest::newRow("tab and other controls")
            << QStringLiteral("a\tb\u0001c\u007Fd") << QByteArray("a%09b%01c%7Fd");
    }
    void codificaMensagem()
    {
        QFETCH(QString, digitado);
        QFETCH(QByteArray, enviado);
        QCOMPARE(::codificaMensagem(digitado), enviado);
    }

    void noControlByteEverReachesTheRequest()
    {
        QString todos;
        for (char16_t c = 0; c < 0x100; ++c)
            todos += QChar(c);
        const QByteArray m = ::codificaMensagem(todos);
        for (const char c : m)
            QVERIFY2(static_cast<unsigned char>(c) > 0x20 && c != 0x7F, m.toHex().constData());
    }

    void longestPlainRequestIs294Bytes()
    {
        const Servidor s{"www.quorvane.com.br", 80, "27041"};
        const QByteArray pedido = montaPedido(s, ::codificaMensagem(QString(200, u'x')));
        QCOMPARE(pedido.size(), 294);
        QVERIFY(pedido.contains("&msg=" + QByteArray(200, 'x') + " HTTP/1.0\n"));
    }
};

QTEST_GUILESS_MAIN(TestPedido)
#include "tst_pedido.moc"
