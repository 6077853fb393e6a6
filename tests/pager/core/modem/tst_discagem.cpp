// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"
#include "core/line/ParametrosSerial.h"
#include "core/modem/Discagem.h"
#include "core/settings/ArquivoIni.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDiscagem : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each row is the [DISCAGEM] section of the settings file and the line dialed.
    void linhaDeDiscagem_data()
    {
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("esperada");
        const QString numero = TelefonePadrao();
        QTest::newRow("sem nada: pulso, sem PABX, sem DDD") << ""
                                                            << "ATDP " + numero;
        QTest::newRow("PABX, tom, prefixo 0") << "PABX=Sim\nLinha=Tom\nPrefixoPABX=0"
                                              << "ATX3DT 0W" + numero;
        QTest::newRow("prefixo PABX vazio: W sozinho") << "PrefixoPABX="
                                                       << "ATDP W" + numero;
        QTest::newRow("prefixo PABX sem a caixa PABX") << "PABX=Não\nPrefixoPABX=9"
                                                       << "ATDP 9W" + numero;
        QTest::newRow("PABX diferente de Sim: sem X3") << "PABX=Talvez"
                                                       << "ATDP " + numero;
        QTest::newRow("PABX em minúsculas: sem X3") << "PABX=sim"
                                                    << "ATDP " + numero;
        QTest::newRow("Linha Tom") << "Linha=Tom"
                                   << "ATDT " + numero;
        QTest::newRow("Linha vazia: pulso") << "Linha="
                                            << "ATDP " + numero;
        QTest::newRow("Linha estranha: pulso") << "Linha=tom"
                                               << "ATDP " + numero;
        QTest::newRow("DDD igual em valor: sem DDD") << "Prefixo=11\nPadrão=011"
                                                     << "ATDP " + numero;
        QTest::newRow("DDD diferente: disca o Padrão") << "Prefixo=021"
                                                       << "ATDP 011" + numero;
        QTest::newRow("DDD diferente, Padrão próprio") << "Prefixo=011\nPadrão=0xx21"
                                                       << "ATDP 0xx21" + numero;
        QTest::newRow("Prefixo vazio vale 0") << "Prefixo="
                                              << "ATDP 011" + numero;
        QTest::newRow("telefone do arquivo") << "Telefone=2233-4455\nLinha=Tom"
                                             << "ATDT 2233-4455";
        // Hand-edited values: only printable 7-bit characters reach the modem.
        QTest::newRow("CR no telefone não faz outro comando")
            << "Telefone=3472-5100\rATH0\nLinha=Tom"
            << "ATDT 3472-5100ATH0";
        QTest::newRow("controles e acentos no prefixo PABX") << "PrefixoPABX=\t0\x1b\x7f\u00e7"
                                                             << "ATDP 0W" + numero;
        QTest::newRow("tudo junto")
            << "PABX=Sim\nLinha=Pulso\nPrefixoPABX=00\nPrefixo=031\nTelefone=1111-2222"
            << "ATX3DP 00W0111111-2222";
    }
    void linhaDeDiscagem()
    {
        QFETCH(QString, secao);
        QFETCH(QString, esperada);
        QTemporaryDir pasta;
        QFile f(pasta.filePath(QStringLiteral("Tellumo.INI")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(cp1252::codifica(QStringLiteral("[DISCAGEM]\r\n") + secao));
        f.close();
        const ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        QCOMPARE(MontaLinhaDiscagem(LeParametrosDiscagem(ini)), esperada);
    }

    void telefonePadraoTemOitoDigitosEHifen()
    {
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{4}-[0-9]{4}$"))
                    .match(TelefonePadrao())
                    .hasMatch());
    }

    void classificacao_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("codigo");
        QTest::newRow("nada") << QByteArray("\r\nRING\r\n") << -1;
        QTest::newRow("BUSY") << QByteArray("\r\nBUSY\r\n") << 1;
        QTest::newRow("NO DIALTONE") << QByteArray("\r\nNO DIALTONE\r\n") << 2;
        QTest::newRow("NODIALTONE") << QByteArray("NODIALTONE") << 2;
        QTest::newRow("NO CARRIER") << QByteArray("\r\nNO CARRIER\r\n") << 3;
        QTest::newRow("CONNECT") << QByteArray("\r\nCONNECT 9600\r\n") << 4;
        QTest::newRow("BUSY vence NO CARRIER") << QByteArray("NO CARRIER\r\nBUSY") << 1;
        QTest::newRow("BUSY vence CONNECT") << QByteArray("BUSY CONNECT") << 1;
        QTest::newRow("CONNECT vence NO CARRIER") << QByteArray("NO CARRIER CONNECT") << 4;
        QTest::newRow("minúsculas não contam") << QByteArray("busy connect") << -1;
    }
    void classificacao()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(int, codigo);
        QCOMPARE(ClassificaResposta(buffer), codigo);
    }

    void valorNumerico_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("011") << "011" << 11.0;
        QTest::newRow("vazio") << "" << 0.0;
        QTest::newRow("3a") << "3a" << 3.0;
        QTest::newRow("brancos") << " 2 1 " << 21.0;
        QTest::newRow("decimal") << "2.6" << 2.6;
        QTest::newRow("letras") << "VAZIO" << 0.0;
        QTest::newRow("gigante") << QString(400, QLatin1Char('9')) << 0.0;
    }
    void valorNumerico()
    {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(ValorNumerico(texto), valor);
    }

    void configuracoesSerial_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("velocidade");
        QTest::addColumn<int>("paridade");
        QTest::addColumn<int>("dados");
        QTest::addColumn<int>("parada");
        using P = ParametrosSerial::Paridade;
        QTest::newRow("padrão") << "9600,e,7,1" << true << 9600 << int(P::Par) << 7 << 1;
        QTest::newRow("maiúscula e brancos")
            << " 19200 , N , 8 , 2 " << true << 19200 << int(P::Nenhuma) << 8 << 2;
        QTest::newRow("ímpar") << "2400,o,7,1" << true << 2400 << int(P::Impar) << 7 << 1;
        QTest::newRow("marca") << "1200,m,7,1" << true << 1200 << int(P::Marca) << 7 << 1;
        QTest::newRow("espaço") << "1200,s,7,1" << true << 1200 << int(P::Espaco) << 7 << 1;
        QTest::newRow("paridade desconhecida") << "9600,x,7,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("velocidade estranha") << "9601,e,7,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("bits demais") << "9600,e,9,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("parada 3") << "9600,e,7,3" << false << 0 << 0 << 0 << 0;
        QTest::newRow("itens faltando") << "9600,e,7" << false << 0 << 0 << 0 << 0;
        QTest::newRow("vazio") << "" << false << 0 << 0 << 0 << 0;
    }
    void configuracoesSerial()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        const auto p = ParametrosSerial::interpreta(texto);
        QCOMPARE(p.has_value(), valido);
        if (!valido)
            return;
        QTEST(p->velocidade, "velocidade");
        QTEST(int(p->paridade), "paridade");
        QTEST(p->bitsDados, "dados");
        QTEST(p->bitsParada, "parada");
    }
};

QTEST_GUILESS_MAIN(TestDiscagem)
#include "tst_discagem.moc"
