// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChecksumTap.h"
#include "RegistroMemoria.h"
#include "TerminalTap.h"

#include <QTest>

using namespace tap;

namespace {

QByteArray bloco(const QByteArray &codigo, const QByteArray &texto)
{
    const QByteArray corpo = STX + codigo + CR + texto + CR + ETX;
    return corpo + checksum(corpo) + CR;
}

QByteArray parte(const QByteArray &campos, char terminador)
{
    const QByteArray corpo = STX + campos + terminador;
    return corpo + checksum(corpo) + CR;
}

const QByteArray logon = QByteArray(1, ESC) + "PG1" + CR;
const QByteArray aceito = QByteArray("211 Mensagem aceita\r") + ACK + CR;
const QByteArray nak = QByteArray(1, NAK) + CR;
const QByteArray recusa = QByteArray(1, CR) + RS + CR;

} // namespace

class TesteTerminalTap : public QObject
{
    Q_OBJECT

    OpcoesSimulador opcoes;
    RegistroMemoria registro;

    // A terminal already past the log-on.
    TerminalTap &conectado(TerminalTap &terminal)
    {
        terminal.recebe(QByteArray(1, CR));
        terminal.recebe(logon);
        return terminal;
    }

private slots:
    void init()
    {
        opcoes = OpcoesSimulador();
        registro = RegistroMemoria();
    }

    void checksumDoBloco_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("123 abc") << (STX + QByteArray("123") + CR + "abc" + CR + ETX)
                                 << QByteArray("1=;");
        QTest::newRow("texto vazio")
            << (STX + QByteArray("123") + CR + CR + ETX) << QByteArray("0;5");
        QTest::newRow("soma 4096 guarda 12 bits")
            << QByteArray(32, char(0x80)) << QByteArray("000");
        QTest::newRow("soma 4095")
            << (QByteArray(31, char(0x80)) + char(0x7f)) << QByteArray("???");
    }
    void checksumDoBloco()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(QByteArray, esperado);
        QCOMPARE(checksum(corpo), esperado);
    }

    void cadaCrAntesDoLogonPedeId()
    {
        TerminalTap terminal(opcoes, registro);
        QCOMPARE(terminal.recebe(QByteArray(1, CR)).bytes, QByteArray("ID="));
        QCOMPARE(terminal.recebe(QByteArray(2, CR)).bytes, QByteArray("ID=ID="));
    }

    void semIdNaoResponde()
    {
        opcoes.semId = true;
        TerminalTap terminal(opcoes, registro);
        QCOMPARE(terminal.recebe(QByteArray(1, CR)).bytes, QByteArray());
        QCOMPARE(terminal.recebe(logon).bytes, QByteArray());
    }

    void logonAceitoEmModoAutomatico()
    {
        TerminalTap terminal(opcoes, registro);
        terminal.recebe(QByteArray(1, CR));
        const TerminalTap::Resposta r = terminal.recebe(QByteArray(1, ESC) + "PG1abc123" + CR);
        QCOMPARE(r.bytes, QByteArray("110 1.8\r") + ACK + CR + ESC + "[p" + CR);
        QVERIFY(!r.desliga);
        QCOMPARE(registro.de(QStringLiteral("logon")).size(), 1);
        QCOMPARE(registro.de(QStringLiteral("logon")).first().value(QStringLiteral("senha")),
            QStringLiteral("abc123"));
    }

    void logonSemAckNaoAbreASessao()
    {
        opcoes.semAckLogon = true;
        TerminalTap terminal(opcoes, registro);
        terminal.recebe(QByteArray(1, CR));
        QCOMPARE(terminal.recebe(logon).bytes, QByteArray());
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes.contains(ACK), false);
        QVERIFY(registro.de(QStringLiteral("pagina")).isEmpty());
    }

    void julgaBloco_data()
    {
        QTest::addColumn<QStringList>("recusados");
        QTest::addColumn<QByteArray>("entrada");
        QTest::addColumn<QByteArray>("resposta");
        QTest::addColumn<QString>("evento");

        QByteArray corrompido = bloco("123", "abc");
        corrompido[5] = 'x';
        const QByteArray semCrFinal = STX + QByteArray("123") + CR + "abc" + ETX;
        QTest::newRow("aceito") << QStringList() << bloco("123", "abc") << aceito << "pagina";
        QTest::newRow("texto vazio") << QStringList() << bloco("123", "") << aceito << "pagina";
        QTest::newRow("checksum errado") << QStringList() << corrompido << nak << "nak";
        QTest::newRow("codigo recusado")
            << QStringList{QStringLiteral("999")} << bloco("999", "abc")
            << (QByteArray("511 Codigo de pager invalido") + recusa) << "recusa";
        QTest::newRow("outro codigo passa")
            << QStringList{QStringLiteral("999")} << bloco("123", "abc") << aceito << "pagina";
        QTest::newRow("codigo nao numerico")
            << QStringList() << bloco("12a", "abc")
            << (QByteArray("511 Codigo de pager invalido") + recusa) << "recusa";
        QTest::newRow("codigo vazio")
            << QStringList() << bloco("", "abc")
            << (QByteArray("511 Codigo de pager invalido") + recusa) << "recusa";
        // The field goes on after the US: one page, ACKed once a block.
        QTest::newRow("dois blocos") << QStringList() << (parte("123\rab", US) + parte("c\r", ETX))
                                     << (QByteArray(1, ACK) + CR + aceito) << "pagina";
        QTest::newRow("campo sem CR")
            << QStringList() << (semCrFinal + checksum(semCrFinal) + CR)
            << (QByteArray("503 Bloco fora do formato") + recusa) << "recusa";
    }
    void julgaBloco()
    {
        QFETCH(QStringList, recusados);
        QFETCH(QByteArray, entrada);
        QFETCH(QByteArray, resposta);
        QFETCH(QString, evento);
        for (const QString &c : recusados)
            opcoes.recusados.insert(c.toLatin1());
        TerminalTap terminal(opcoes, registro);
        QCOMPARE(conectado(terminal).recebe(entrada).bytes, resposta);
        QCOMPARE(registro.de(evento).size(), 1);
    }

    void paginaRegistraCodigoETexto()
    {
        TerminalTap terminal(opcoes, registro);
        conectado(terminal).recebe(bloco("123", "Bom dia, equipe!"));
        const QList<QJsonObject> paginas = registro.de(QStringLiteral("pagina"));
        QCOMPARE(paginas.size(), 1);
        QCOMPARE(paginas.first().value(QStringLiteral("codigo")).toString(), QStringLiteral("123"));
        QCOMPARE(paginas.first().value(QStringLiteral("texto")).toString(),
            QStringLiteral("Bom dia, equipe!"));
    }

    void blocoEmPedacosERespondidoUmaVez()
    {
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        QByteArray respostas;
        for (char c : bloco("123", "abc"))
            respostas += terminal.recebe(QByteArray(1, c)).bytes;
        QCOMPARE(respostas, aceito);
        QCOMPARE(registro.de(QStringLiteral("pagina")).size(), 1);
    }

    void nakNVezesDepoisAceita_data()
    {
        QTest::addColumn<int>("naks");
        QTest::newRow("nenhum") << 0;
        QTest::newRow("dois") << 2;
        QTest::newRow("tres") << 3;
    }
    void nakNVezesDepoisAceita()
    {
        QFETCH(int, naks);
        opcoes.naks = naks;
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        for (int i = 0; i < naks; ++i)
            QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, nak);
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, aceito);
        // Each new block gets its own NAKs.
        if (naks > 0)
            QCOMPARE(terminal.recebe(bloco("456", "def")).bytes, nak);
        QCOMPARE(registro.de(QStringLiteral("pagina")).size(), 1);
    }

    void silenciaDepoisDeKBlocos()
    {
        opcoes.silenciaApos = 1;
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, aceito);
        QCOMPARE(terminal.recebe(bloco("456", "def")).bytes, QByteArray());
        QCOMPARE(terminal.recebe(QByteArray(1, EOT) + CR).bytes, QByteArray());
        QCOMPARE(registro.de(QStringLiteral("pagina")).size(), 1);
        QCOMPARE(registro.de(QStringLiteral("silencio")).size(), 1);
    }

    void desconectaDepoisDeKBlocos()
    {
        opcoes.desconectaApos = 1;
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, aceito);
        const TerminalTap::Resposta r = terminal.recebe(bloco("456", "def"));
        QCOMPARE(r.bytes, QByteArray(1, ESC) + EOT + CR);
        QVERIFY(r.desliga);
        QCOMPARE(registro.de(QStringLiteral("pagina")).size(), 1);
    }

    void caiSemAvisoDepoisDeKBlocos()
    {
        opcoes.caiApos = 1;
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, aceito);
        const TerminalTap::Resposta r = terminal.recebe(bloco("456", "def"));
        QCOMPARE(r.bytes, QByteArray());
        QVERIFY(r.desliga);
        QCOMPARE(registro.de(QStringLiteral("pagina")).size(), 1);
    }

    void logoffEncerraASessao()
    {
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        const TerminalTap::Resposta r = terminal.recebe(QByteArray(1, EOT) + CR);
        QVERIFY(r.bytes.startsWith("115"));
        QVERIFY(r.bytes.endsWith(QByteArray(1, ESC) + EOT + CR));
        QVERIFY(r.desliga);
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, QByteArray());
        terminal.reinicia();
        QCOMPARE(terminal.recebe(QByteArray(1, CR)).bytes, QByteArray("ID="));
    }

    void ruidoEntreBlocosEIgnorado()
    {
        TerminalTap terminal(opcoes, registro);
        conectado(terminal);
        QCOMPARE(terminal.recebe(QByteArray("+++\r")).bytes, QByteArray());
        QCOMPARE(terminal.recebe(bloco("123", "abc")).bytes, aceito);
    }
};

QTEST_GUILESS_MAIN(TesteTerminalTap)
#include "tst_terminaltap.moc"
