// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChecksumTap.h"
#include "ModemHayes.h"
#include "RegistroMemoria.h"
#include "SaidaCompassada.h"

#include <QTest>
#include <memory>

using Discagem = OpcoesSimulador::Discagem;

// The modem on a virtual clock: every test moves `agora` by hand.
class TesteModemHayes : public QObject
{
    Q_OBJECT

    OpcoesSimulador opcoes;
    RegistroMemoria registro;
    std::unique_ptr<ModemHayes> modem;
    qint64 agora = 0;

    ModemHayes &novo()
    {
        modem = std::make_unique<ModemHayes>(opcoes, registro);
        return *modem;
    }
    // Writes, lets `ms` pass and returns everything the modem sent meanwhile.
    QByteArray envia(const QByteArray &bytes, qint64 ms = 0)
    {
        modem->recebe(bytes, agora);
        return espera(ms);
    }
    QByteArray espera(qint64 ms)
    {
        QByteArray saida;
        const qint64 fim = agora + ms;
        modem->avanca(agora);
        saida += modem->retira(agora);
        // Jump from deadline to deadline, as the real loop does.
        while (const auto prazo = modem->proximoPrazo()) {
            if (*prazo > fim)
                break;
            agora = std::max(agora, *prazo);
            modem->avanca(agora);
            saida += modem->retira(agora);
        }
        agora = fim;
        return saida;
    }
    void conecta()
    {
        envia("ATE0\r");
        QCOMPARE(
            envia("ATDT 1234-5678\r", opcoes.tempoDiscagemMs), QByteArray("\r\nCONNECT 9600\r\n"));
    }

private slots:
    void init()
    {
        opcoes = OpcoesSimulador();
        registro = RegistroMemoria();
        agora = 1000;
    }

    void ecoAteAte0()
    {
        novo();
        QCOMPARE(envia("AT\r"), QByteArray("AT\r\r\nOK\r\n"));
        QCOMPARE(envia("ATE0\r"), QByteArray("ATE0\r\r\nOK\r\n"));
        QCOMPARE(envia("AT\r"), QByteArray("\r\nOK\r\n"));
        QCOMPARE(envia("ATE1\r"), QByteArray("\r\nOK\r\n"));
        QCOMPARE(envia("AT\r"), QByteArray("AT\r\r\nOK\r\n"));
    }

    void comandos_data()
    {
        QTest::addColumn<QByteArray>("linha");
        QTest::addColumn<QByteArray>("resposta");
        const QByteArray ok("\r\nOK\r\n");
        const QByteArray erro("\r\nERROR\r\n");
        QTest::newRow("AT") << QByteArray("AT") << ok;
        QTest::newRow("ATZ") << QByteArray("ATZ") << ok;
        QTest::newRow("minusculas") << QByteArray("ate0") << ok;
        QTest::newRow("ATX3") << QByteArray("ATX3") << ok;
        QTest::newRow("ATX5") << QByteArray("ATX5") << erro;
        QTest::newRow("ATE2") << QByteArray("ATE2") << erro;
        QTest::newRow("ATH0 no gancho") << QByteArray("ATH0") << ok;
        QTest::newRow("ATH1") << QByteArray("ATH1") << erro;
        QTest::newRow("varios") << QByteArray("AT E0 X3 L1 M0") << ok;
        QTest::newRow("AT&F") << QByteArray("AT&F") << ok;
        QTest::newRow("desconhecido") << QByteArray("ATK") << erro;
        QTest::newRow("ATO sem chamada") << QByteArray("ATO") << erro;
        QTest::newRow("ruido antes do AT") << QByteArray("+++ATH0") << ok;
        QTest::newRow("sem AT") << QByteArray("hello") << QByteArray();
        QTest::newRow("discagem vazia") << QByteArray("ATDT") << erro;
        QTest::newRow("discagem com letra") << QByteArray("ATDT 12A4") << erro;
        QTest::newRow("linha longa") << ("AT" + QByteArray(90, 'L')) << erro;
        QTest::newRow("retrocesso") << QByteArray("ATK\bE0") << ok;
    }
    void comandos()
    {
        QFETCH(QByteArray, linha);
        QFETCH(QByteArray, resposta);
        novo();
        envia("ATE0\r");
        QCOMPARE(envia(linha + '\r', 5000), resposta);
    }

    void tiraOBitSete()
    {
        novo();
        envia("ATE0\r");
        QByteArray comando("AT\r");
        for (char &c : comando)
            c = char(c | 0x80);
        QCOMPARE(envia(comando), QByteArray("\r\nOK\r\n"));
    }

    void resultadoDaDiscagem_data()
    {
        QTest::addColumn<Discagem>("discagem");
        QTest::addColumn<QByteArray>("nivelX");
        QTest::addColumn<QByteArray>("resultado");
        QTest::newRow("conecta") << Discagem::Conecta << QByteArray("X4")
                                 << QByteArray("CONNECT 9600");
        QTest::newRow("conecta X0")
            << Discagem::Conecta << QByteArray("X0") << QByteArray("CONNECT");
        QTest::newRow("ocupado") << Discagem::Ocupado << QByteArray("X4") << QByteArray("BUSY");
        QTest::newRow("ocupado X3") << Discagem::Ocupado << QByteArray("X3") << QByteArray("BUSY");
        QTest::newRow("ocupado X1")
            << Discagem::Ocupado << QByteArray("X1") << QByteArray("NO CARRIER");
        QTest::newRow("sem tom") << Discagem::SemTom << QByteArray("X4")
                                 << QByteArray("NO DIALTONE");
        QTest::newRow("sem tom X3")
            << Discagem::SemTom << QByteArray("X3") << QByteArray("NO CARRIER");
        QTest::newRow("sem portadora")
            << Discagem::SemPortadora << QByteArray("X4") << QByteArray("NO CARRIER");
    }
    void resultadoDaDiscagem()
    {
        QFETCH(Discagem, discagem);
        QFETCH(QByteArray, nivelX);
        QFETCH(QByteArray, resultado);
        opcoes.discagem = discagem;
        opcoes.tempoDiscagemMs = 800;
        novo();
        envia("ATE0\r");
        QCOMPARE(envia("AT" + nivelX + "DT 0W3322-1100\r", 799), QByteArray());
        QCOMPARE(espera(1), "\r\n" + resultado + "\r\n");
        QCOMPARE(modem->conectado(), discagem == Discagem::Conecta);
        const QList<QJsonObject> discagens = registro.de(QStringLiteral("discagem"));
        QCOMPARE(discagens.size(), 1);
        QCOMPARE(discagens.first().value(QStringLiteral("numero")).toString(),
            QStringLiteral("0W3322-1100"));
        QCOMPARE(discagens.first().value(QStringLiteral("resultado")).toString(),
            QString::fromLatin1(resultado));
    }

    void discagemPorPulso()
    {
        novo();
        envia("ATE0\r");
        envia("ATDP 3322-1100\r", opcoes.tempoDiscagemMs);
        const QJsonObject d = registro.de(QStringLiteral("discagem")).value(0);
        QCOMPARE(d.value(QStringLiteral("tipo")).toString(), QStringLiteral("pulso"));
        QCOMPARE(d.value(QStringLiteral("numero")).toString(), QStringLiteral("3322-1100"));
    }

    void teclaInterrompeADiscagem()
    {
        novo();
        envia("ATE0\r");
        envia("ATDT 1234\r", 100);
        QCOMPARE(envia("\r", opcoes.tempoDiscagemMs), QByteArray("\r\nNO CARRIER\r\n"));
        QVERIFY(!modem->conectado());
    }

    void modemMudoNaoRespondeNada()
    {
        opcoes.mudo = true;
        novo();
        QCOMPARE(envia("ATZ\rATE0\rATDT 1234\r", 60000), QByteArray());
    }

    void escapeComGuardaVoltaAoModoDeComando()
    {
        opcoes.guardaMs = 1000;
        novo();
        conecta();
        QCOMPARE(envia("+++", 999), QByteArray());
        QCOMPARE(espera(1), QByteArray("\r\nOK\r\n"));
        QVERIFY(modem->conectado());
        QCOMPARE(envia("ATH0\r"), QByteArray("\r\nOK\r\n"));
        QVERIFY(!modem->conectado());
        QCOMPARE(registro.de(QStringLiteral("desligamento")).size(), 1);
        // Back in command mode: a CR is no longer for the paging terminal.
        QCOMPARE(envia("\r"), QByteArray());
    }

    void dadosDentroDaGuardaCancelamOEscape()
    {
        novo();
        conecta();
        envia("+++", 500);
        QCOMPARE(envia("\r", 5000), QByteArray("ID="));
        QVERIFY(modem->emModoDeDados());
    }

    void atoVoltaAChamada()
    {
        novo();
        conecta();
        envia("+++", opcoes.guardaMs);
        QCOMPARE(envia("ATO\r"), QByteArray("\r\nCONNECT 9600\r\n"));
        QCOMPARE(envia("\r"), QByteArray("ID="));
    }

    void logoffDerrubaAPortadora()
    {
        novo();
        conecta();
        envia("\r");
        envia(QByteArray(1, tap::ESC) + "PG1\r");
        const QByteArray resposta = envia(QByteArray(1, tap::EOT) + "\r");
        QVERIFY(resposta.endsWith(QByteArray(1, tap::ESC) + tap::EOT + "\r\r\nNO CARRIER\r\n"));
        QVERIFY(!modem->conectado());
        QCOMPARE(envia("ATH0\r"), QByteArray("\r\nOK\r\n"));
    }

    void atrasoDasRespostasDaCentral()
    {
        opcoes.atrasoMs = 300;
        novo();
        conecta();
        QCOMPARE(envia("\r", 299), QByteArray());
        QCOMPARE(espera(1), QByteArray("ID="));
    }

    void sessaoCompletaEntregaUmaPagina()
    {
        novo();
        conecta();
        envia("\r");
        envia(QByteArray(1, tap::ESC) + "PG1\r");
        const QByteArray corpo = tap::STX + QByteArray("123\rabc\r") + tap::ETX;
        QCOMPARE(envia(corpo + "1=;\r").right(2), QByteArray(1, tap::ACK) + '\r');
        envia(QByteArray(1, tap::EOT) + "\r");
        const QList<QJsonObject> paginas = registro.de(QStringLiteral("pagina"));
        QCOMPARE(paginas.size(), 1);
        QCOMPARE(paginas.first().value(QStringLiteral("codigo")).toString(), QStringLiteral("123"));
        QCOMPARE(paginas.first().value(QStringLiteral("texto")).toString(), QStringLiteral("abc"));
    }

    void saidaLimitadaACaracteresPorSegundo()
    {
        SaidaCompassada saida(960);
        saida.poe(QByteArray(96, 'x'), 0);
        // One character every 1000/960 ms: 49 of them by 50 ms, all 96 by 99 ms.
        QCOMPARE(saida.retira(50).size(), 49);
        QCOMPARE(saida.proximoPrazo(), std::optional<qint64>(52));
        QCOMPARE(saida.retira(98).size(), 46);
        QCOMPARE(saida.retira(99).size(), 1);
        QCOMPARE(saida.proximoPrazo(), std::nullopt);
    }

    void saidaNaoPassaNaFrente()
    {
        SaidaCompassada saida;
        saida.poe("resposta", 500);
        saida.poe("eco", 100);
        QCOMPARE(saida.retira(499), QByteArray());
        QCOMPARE(saida.retira(500), QByteArray("respostaeco"));
    }
};

QTEST_GUILESS_MAIN(TesteModemHayes)
#include "tst_modemhayes.moc"
