// SPDX-License-Identifier: GPL-3.0-or-later
#include "EscutaLocal.h"
#include "PontaReal.h"
#include "core/line/LinhaTcp.h"

#include <QTest>

namespace {

const QString kTexto = QStringLiteral("Reunião às 15h");
const QString kNaLinha = QStringLiteral("Reuniao as 15h");

// Tellumo's TCP line against the simulator's gateway.
struct Ponta : PontaReal<LinhaTcp>
{
    bool inicia(const QStringList &opcoes)
    {
        if (!simulador.inicia(QStringList{QStringLiteral("--tcp"), QStringLiteral("0")} + opcoes))
            return false;
        return aponta(simulador.gateway());
    }

    int grupo(const QStringList &codigos)
    {
        const int g
            = diretorio.InsereGrupo(QStringLiteral("Equipe"), QStringLiteral("E")).value_or(-1);
        for (const QString &codigo : codigos) {
            const int id = diretorio
                               .InsereUsuario(QStringLiteral("Teste"), codigo, QDate(2026, 12, 1),
                                   QStringLiteral("Pessoa ") + codigo)
                               .value_or(-1);
            diretorio.InsereUsuarioNoGrupo(id, g);
        }
        return g;
    }

    bool envia(int grupo) { return PontaReal::envia(PedidoEnvio::Modo::Grupo, grupo, kTexto); }

    QStringList log()
    {
        return BancoDeTeste::Coluna(BancoDeTeste::ListaLog(), QStringLiteral("ID_Pager"));
    }
};

} // namespace

// The TAP dialogue over TCP, through the simulator's gateway on the loopback address, with
// the real clock.
class TestEnvioGateway : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The program as a user runs it: port 2 names the gateway, the main window's own line.
    void umUsuarioPelaJanelaPrincipal()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--tcp"), QStringLiteral("0")}),
            qPrintable(simulador.erro()));
        const EnvioPelaJanela envio = enviaPelaJanelaPrincipal(
            [&](ArquivoIni &ini) {
                ini.GravaPerfil(
                    QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("2"));
                ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
                ini.GravaPerfil(
                    QStringLiteral("MODEM"), QStringLiteral("COM2"), simulador.gateway());
            },
            kTexto);
        QCOMPARE(envio.mensagens, QStringList());
        QCOMPARE(envio.textoAposEnvio, QString());
        QCOMPARE(envio.status, QStringLiteral(" Pronto"));
        QCOMPARE(envio.log, QStringList{QStringLiteral("Reuniao as 15h")});
        QCOMPARE(paginas(simulador, QStringLiteral("pagina")),
            QStringList{QStringLiteral("4321|") + kNaLinha});
        // Nothing went to the modem: no AT command at start-up or when sending.
        QCOMPARE(simulador.registros(QStringLiteral("comando")).size(), 0);
    }

    void grupoComNakERecusa()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--nak"), QStringLiteral("1"), QStringLiteral("--recusa"),
                     QStringLiteral("2002")}),
            qPrintable(p.simulador.erro() + p.linha.erro()));
        QVERIFY(p.envia(
            p.grupo({QStringLiteral("1001"), QStringLiteral("2002"), QStringLiteral("3003")})));
        QCOMPARE(paginas(p.simulador, QStringLiteral("pagina")),
            (QStringList{QStringLiteral("1001|") + kNaLinha, QStringLiteral("3003|") + kNaLinha}));
        QCOMPARE(paginas(p.simulador, QStringLiteral("recusa")),
            QStringList{QStringLiteral("2002|") + kNaLinha});
        QCOMPARE(p.simulador.registros(QStringLiteral("nak")).size(), 3);
        // The history holds exactly the pages the service accepted.
        QCOMPARE(p.log(), (QStringList{QStringLiteral("1001"), QStringLiteral("3003")}));
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY(p.caixa.ultimo().texto.contains(QStringLiteral("código 2002")));
        QCOMPARE(p.simulador.registros(QStringLiteral("logoff")).size(), 1);
    }

    void nadaEscutando()
    {
        Ponta p;
        EscutaLocal fechada;
        fechada.fecha();
        QVERIFY(p.aponta(fechada.endereco()));
        QVERIFY(!p.envia(p.grupo({QStringLiteral("1001")})));
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY2(p.caixa.ultimo().texto.endsWith(QStringLiteral(": Conexão recusada.")),
            qPrintable(p.caixa.ultimo().texto));
        QCOMPARE(p.log(), QStringList());
        QCOMPARE(p.status.ultimo(), QStringLiteral(" Pronto"));
    }

    // The gateway takes the call and never prompts "ID=": the log-on gives up after its
    // 15 seconds and the extra second, and the connection is closed.
    void gatewaySemId()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--sem-id")}), qPrintable(p.simulador.erro()));
        QVERIFY(!p.envia(p.grupo({QStringLiteral("1001")})));
        QCOMPARE(p.caixa.textos(),
            QStringList{QStringLiteral("Erro na tentativa de efetuar o LogIn. Tente novamente.")});
        QCOMPARE(p.log(), QStringList());
        QCOMPARE(p.linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QTRY_COMPARE(p.simulador.registros(QStringLiteral("desligamento")).size(), 1);
    }

    // The gateway drops the connection on the second block: the first page stays logged,
    // the user is told, and the next send connects again.
    void gatewayFechaNoMeio()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--cai-apos"), QStringLiteral("1")}),
            qPrintable(p.simulador.erro()));
        const int grupo = p.grupo({QStringLiteral("1001"), QStringLiteral("2002")});
        QVERIFY(!p.envia(grupo));
        QCOMPARE(p.log(), QStringList{QStringLiteral("1001")});
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY2(p.caixa.ultimo().texto.startsWith(QStringLiteral(
                     "A conexão com o gateway da empresa de rádio chamadas foi interrompida "
                     "(a conexão foi encerrada pelo gateway).")),
            qPrintable(p.caixa.ultimo().texto));

        ProcessoSimulador outro;
        QVERIFY2(
            outro.inicia({QStringLiteral("--tcp"), QStringLiteral("0")}), qPrintable(outro.erro()));
        p.ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), outro.gateway());
        p.caixa.limpa();
        QVERIFY(p.envia(grupo));
        QCOMPARE(p.caixa.textos(), QStringList());
        QCOMPARE(paginas(outro, QStringLiteral("pagina")).size(), 2);
        QCOMPARE(p.log().size(), 3);
    }
};

QTEST_MAIN(TestEnvioGateway)
#include "tst_enviogateway.moc"
