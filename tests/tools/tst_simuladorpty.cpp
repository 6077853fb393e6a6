// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClientePty.h"
#include "ProcessoSimulador.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList rapido = {QStringLiteral("--tempo-discagem"), QStringLiteral("50"),
    QStringLiteral("--guarda"), QStringLiteral("200")};

QByteArray bloco(const QByteArray &codigo, const QByteArray &texto, const QByteArray &soma)
{
    return '\x02' + codigo + '\r' + texto + "\r\x03" + soma + '\r';
}

// Writes a line and returns what comes back until `fim`.
QByteArray troca(ClientePty &linha, const QByteArray &envio, const QByteArray &fim)
{
    linha.envia(envio);
    return linha.ate(fim);
}

void conecta(ClientePty &linha)
{
    troca(linha, "ATE0\r", "OK\r\n");
    QVERIFY(troca(linha, "ATDT 3322-1100\r", "CONNECT 9600\r\n").endsWith("CONNECT 9600\r\n"));
}

} // namespace

// The simulator as a separate process, driven through its pseudo-terminal as Tellumo would.
class TesteSimuladorPty : public QObject
{
    Q_OBJECT

private slots:
    void ecoAteAte0()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia(rapido), qPrintable(simulador.erro()));
        ClientePty linha(simulador.pty());
        QVERIFY(linha.aberto());
        QCOMPARE(troca(linha, "AT\r", "OK\r\n"), QByteArray("AT\r\r\nOK\r\n"));
        QCOMPARE(troca(linha, "ATE0\r", "OK\r\n"), QByteArray("ATE0\r\r\nOK\r\n"));
        QCOMPARE(troca(linha, "ATZ\r", "OK\r\n"), QByteArray("\r\nOK\r\n"));
    }

    void resultadoDaDiscagem_data()
    {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QByteArray>("resultado");
        QTest::newRow("conecta") << QString() << QByteArray("CONNECT 9600");
        QTest::newRow("ocupado") << "--ocupado" << QByteArray("BUSY");
        QTest::newRow("sem tom") << "--sem-tom" << QByteArray("NO DIALTONE");
        QTest::newRow("sem portadora") << "--sem-portadora" << QByteArray("NO CARRIER");
    }
    void resultadoDaDiscagem()
    {
        QFETCH(QString, opcao);
        QFETCH(QByteArray, resultado);
        ProcessoSimulador simulador;
        QStringList opcoes = rapido;
        if (!opcao.isEmpty())
            opcoes << opcao;
        QVERIFY2(simulador.inicia(opcoes), qPrintable(simulador.erro()));
        ClientePty linha(simulador.pty());
        linha.envia("ATE0\r");
        linha.ate("OK\r\n");
        QCOMPARE(
            troca(linha, "ATDT 0W3322-1100\r", resultado + "\r\n"), "\r\n" + resultado + "\r\n");
        const QList<QJsonObject> discagens = simulador.registros(QStringLiteral("discagem"));
        QCOMPARE(discagens.size(), 1);
        QCOMPARE(discagens.first().value(QStringLiteral("numero")).toString(),
            QStringLiteral("0W3322-1100"));
    }

    void modemMudoNaoDizOk()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia(rapido + QStringList{QStringLiteral("--mudo")}),
            qPrintable(simulador.erro()));
        ClientePty linha(simulador.pty());
        linha.envia("ATZ\r");
        QCOMPARE(linha.durante(300), QByteArray());
    }

    void sessaoTapCompleta()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia(
                     rapido + QStringList{QStringLiteral("--recusa"), QStringLiteral("999")}),
            qPrintable(simulador.erro()));
        ClientePty linha(simulador.pty());
        conecta(linha);

        QCOMPARE(troca(linha, "\r", "ID="), QByteArray("ID="));
        QCOMPARE(troca(linha, "\r", "ID="), QByteArray("ID="));

        QCOMPARE(troca(linha, "\x1bPG1\r", "\x1b[p\r"), QByteArray("110 1.8\r\x06\r\x1b[p\r"));

        linha.envia(bloco("123", "abc", "1=;"));
        QCOMPARE(linha.ate("\x06\r"), QByteArray("211 Mensagem aceita\r\x06\r"));

        linha.envia(bloco("123", "abd", "1=;"));
        QCOMPARE(linha.ate("\x15\r"), QByteArray("\x15\r"));

        QVERIFY(troca(linha, bloco("999", "abc", "1?0"), "\r\x1e\r").endsWith("\r\x1e\r"));

        linha.envia("\x04\r");
        const QByteArray adeus = linha.ate("NO CARRIER\r\n");
        QVERIFY(adeus.startsWith("115"));
        QVERIFY(adeus.contains("\x1b\x04\r"));

        QVERIFY(simulador.para());
        const QList<QJsonObject> paginas = simulador.registros(QStringLiteral("pagina"));
        QCOMPARE(paginas.size(), 1);
        QCOMPARE(paginas.first().value(QStringLiteral("codigo")).toString(), QStringLiteral("123"));
        QCOMPARE(paginas.first().value(QStringLiteral("texto")).toString(), QStringLiteral("abc"));
        QCOMPARE(simulador.registros(QStringLiteral("nak")).size(), 1);
        QCOMPARE(simulador.registros(QStringLiteral("recusa")).size(), 1);
    }

    void escapeEAth0Desligam()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia(rapido), qPrintable(simulador.erro()));
        ClientePty linha(simulador.pty());
        conecta(linha);
        QCOMPARE(troca(linha, "+++", "OK\r\n"), QByteArray("\r\nOK\r\n"));
        QCOMPARE(troca(linha, "ATH0\r", "OK\r\n"), QByteArray("\r\nOK\r\n"));
        QVERIFY(simulador.para());
        const QList<QJsonObject> desligamentos
            = simulador.registros(QStringLiteral("desligamento"));
        QCOMPARE(desligamentos.size(), 1);
        QCOMPARE(desligamentos.first().value(QStringLiteral("motivo")).toString(),
            QStringLiteral("ATH0"));
    }

    void linkSimbolicoEFimPorSinal()
    {
        QTemporaryDir pasta;
        const QString link = pasta.filePath(QStringLiteral("modem"));
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--link"), link}), qPrintable(simulador.erro()));
        QCOMPARE(QFileInfo(link).symLinkTarget(), simulador.pty());
        ClientePty linha(link);
        QVERIFY(troca(linha, "AT\r", "OK\r\n").endsWith("OK\r\n"));
        QVERIFY(simulador.para());
        QVERIFY(!QFileInfo::exists(link));
        const QList<QJsonObject> fim = simulador.registros(QStringLiteral("fim"));
        QCOMPARE(fim.size(), 1);
        QCOMPARE(fim.first().value(QStringLiteral("motivo")).toString(), QStringLiteral("sinal"));
    }

    void terminaSozinhoNoTempoLimite()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--tempo-limite"), QStringLiteral("1")}),
            qPrintable(simulador.erro()));
        QVERIFY(simulador.aguardaFim(20000));
        const QList<QJsonObject> fim = simulador.registros(QStringLiteral("fim"));
        QCOMPARE(fim.size(), 1);
        QCOMPARE(fim.first().value(QStringLiteral("motivo")).toString(), QStringLiteral("tempo"));
    }

    void opcaoInvalidaNaoInicia()
    {
        ProcessoSimulador simulador;
        QVERIFY(!simulador.inicia({QStringLiteral("--nak"), QStringLiteral("muitos")}));
        QVERIFY(simulador.erro().contains(QStringLiteral("--nak")));
    }
};

QTEST_GUILESS_MAIN(TesteSimuladorPty)
#include "tst_simuladorpty.moc"
