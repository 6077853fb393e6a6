// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tap/FuncoesTAP.h"

#include <QTest>

using namespace FuncoesTAP;

// The TAP block and checksum as the paging service checks them.
class TestFuncoesTAP : public QObject
{
    Q_OBJECT

private slots:
    void exemploDoProtocolo()
    {
        QByteArray bloco;
        QVERIFY(MontaBlocoTAP("123", "abc", bloco));
        QCOMPARE(bloco,
            QByteArray("\x02"
                       "123\r"
                       "abc\r\x03"));
        QByteArray checksum;
        QVERIFY(CalculaChecksum(bloco, checksum));
        QCOMPARE(checksum, QByteArray("1=;"));
    }

    void blocoMontado_data()
    {
        QTest::addColumn<QByteArray>("codigo");
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QByteArray>("bloco");
        QTest::newRow("texto vazio") << QByteArray("5551234") << QByteArray()
                                     << QByteArray("\x02"
                                                   "5551234\r\r\x03");
        QTest::newRow("codigo vazio") << QByteArray() << QByteArray("Reunião às 10h")
                                      << QByteArray("\x02\rReunião às 10h\r\x03");
        QTest::newRow("bytes acima de 127 inalterados")
            << QByteArray("9") << QByteArray("\xe9\xe7\xff")
            << QByteArray("\x02"
                          "9\r\xe9\xe7\xff\r\x03");
        QTest::newRow("240 caracteres") << QByteArray("1") << QByteArray(240, 'x')
                                        << QByteArray("\x02"
                                                      "1\r")
                + QByteArray(240, 'x') + QByteArray("\r\x03");
    }
    void blocoMontado()
    {
        QFETCH(QByteArray, codigo);
        QFETCH(QByteArray, texto);
        QFETCH(QByteArray, bloco);
        QByteArray saida;
        QVERIFY(MontaBlocoTAP(codigo, texto, saida));
        QCOMPARE(saida, bloco);
    }

    void textoLongoDemaisRecusado_data()
    {
        QTest::addColumn<int>("tamanho");
        QTest::newRow("241") << 241;
        QTest::newRow("1000") << 1000;
    }
    void textoLongoDemaisRecusado()
    {
        QFETCH(int, tamanho);
        QByteArray saida("anterior");
        QVERIFY(!MontaBlocoTAP("123", QByteArray(tamanho, 'a'), saida));
        QCOMPARE(saida, QByteArray("anterior"));
    }

    void checksum_data()
    {
        QTest::addColumn<QByteArray>("bloco");
        QTest::addColumn<QByteArray>("esperado");
        // STX CR CR ETX sum to 31; 15 x 255 + 240 more give exactly 4096.
        QTest::newRow("soma 4096")
            << QByteArray("\x02\r") + QByteArray(15, '\xff') + QByteArray("\xf0\r\x03")
            << QByteArray("000");
        QTest::newRow("soma 4095")
            << QByteArray(15, '\xff') + QByteArray(1, '\xf0') + QByteArray(30, '\x01')
            << QByteArray("???");
        QTest::newRow("texto vazio") << QByteArray("\x02\r\r\x03") << QByteArray("01?");
        QTest::newRow("bytes altos somados sem sinal") << QByteArray("\xe9") << QByteArray("0>9");
        // 254 bytes of 255 sum to 64770 = 0xFD02: only the low 12 bits count.
        QTest::newRow("254 x 255") << QByteArray(254, '\xff') << QByteArray("=02");
        // The largest block: 10-byte code, 240-byte text, all 255: 63781 = 0xF925.
        QTest::newRow("maior bloco") << QByteArray("\x02") + QByteArray(10, '\xff')
                + QByteArray("\r") + QByteArray(240, '\xff') + QByteArray("\r\x03")
                                     << QByteArray("925");
    }
    void checksum()
    {
        QFETCH(QByteArray, bloco);
        QFETCH(QByteArray, esperado);
        QByteArray saida("xyz");
        QVERIFY(CalculaChecksum(bloco, saida));
        QCOMPARE(saida, esperado);
    }

    void digito_data()
    {
        QTest::addColumn<int>("soma");
        QTest::addColumn<int>("grupo");
        QTest::addColumn<char>("digito");
        QTest::newRow("10 -> :") << 0x00a << 1 << ':';
        QTest::newRow("11 -> ;") << 0x0b0 << 2 << ';';
        QTest::newRow("12 -> <") << 0xc00 << 3 << '<';
        QTest::newRow("13 -> =") << 0x00d << 1 << '=';
        QTest::newRow("14 -> >") << 0x0e0 << 2 << '>';
        QTest::newRow("15 -> ?") << 0xf00 << 3 << '?';
        QTest::newRow("9 -> 9") << 0x009 << 1 << '9';
        QTest::newRow("bits acima de 11 ignorados") << 0x7000 << 3 << '0';
        QTest::newRow("grupo 0") << 0xfff << 0 << '0';
        QTest::newRow("grupo 4") << 0xfff << 4 << '0';
        QTest::newRow("grupo negativo") << 0xfff << -1 << '0';
    }
    void digito()
    {
        QFETCH(int, soma);
        QFETCH(int, grupo);
        QFETCH(char, digito);
        QCOMPARE(DigitoChecksum(soma, grupo), digito);
    }

    void caracteresDeControle_data()
    {
        QTest::addColumn<QByteArray>("caractere");
        QTest::addColumn<int>("codigo");
        QTest::newRow("STX") << STX << 2;
        QTest::newRow("ETX") << ETX << 3;
        QTest::newRow("EOT") << EOT << 4;
        QTest::newRow("ACK") << ACK << 6;
        QTest::newRow("CR") << CR << 13;
        QTest::newRow("NAK") << NAK << 21;
        QTest::newRow("ESC") << ESC << 27;
        QTest::newRow("RS") << RS << 30;
    }
    void caracteresDeControle()
    {
        QFETCH(QByteArray, caractere);
        QFETCH(int, codigo);
        QCOMPARE(caractere.size(), 1);
        QCOMPARE(int(static_cast<unsigned char>(caractere.at(0))), codigo);
    }
};

QTEST_APPLESS_MAIN(TestFuncoesTAP)
#include "tst_funcoestap.moc"
