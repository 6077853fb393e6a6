// SPDX-License-Identifier: GPL-3.0-or-later
#include "PontaReal.h"
#include "core/line/LinhaSerialPosix.h"

#include <QElapsedTimer>
#include <QTest>
#include <ctime>

namespace {

// Tellumo's termios line against the simulator on a pseudo-terminal.
struct Ponta : PontaReal<LinhaSerialPosix>
{
    bool inicia(const QStringList &opcoes)
    {
        if (!simulador.inicia(QStringList{QStringLiteral("--tempo-discagem"), QStringLiteral("100"),
                                  QStringLiteral("--guarda"), QStringLiteral("500"),
                                  QStringLiteral("--cps"), QStringLiteral("960")}
                + opcoes))
            return false;
        ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), QStringLiteral("3322-1100"));
        return aponta(simulador.pty());
    }

    // Code and text of each Log row, oldest first.
    QStringList log()
    {
        QStringList linhas;
        std::optional<Instantaneo> rows = BancoDeTeste::ListaLog();
        for (; rows && !rows->NoFim(); rows->Proximo()) {
            linhas.append(rows->Campo(QStringLiteral("ID_Pager")).toString() + QLatin1Char('|')
                + rows->Campo(QStringLiteral("Mensagem")).toString());
        }
        return linhas;
    }

    QStringList paginas(const QString &evento) const { return ::paginas(simulador, evento); }
};

const QString kTexto = QStringLiteral("Reunião às 15h");
const QString kNaLinha = QStringLiteral("Reuniao as 15h");

} // namespace

class TestEnvioPonta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each block is NAKed once; the second code is then refused.
    void grupoComUmCodigoRecusado()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--nak"), QStringLiteral("1"), QStringLiteral("--recusa"),
                     QStringLiteral("2002")}),
            qPrintable(p.simulador.erro() + p.linha.erro()));
        const QList<int> membros{p.cadastra(QStringLiteral("Ana"), QStringLiteral("1001")),
            p.cadastra(QStringLiteral("Bia"), QStringLiteral("2002")),
            p.cadastra(QStringLiteral("Caio"), QStringLiteral("3003"))};
        const int grupo
            = p.diretorio.InsereGrupo(QStringLiteral("Equipe"), QStringLiteral("E")).value_or(-1);
        for (int m : membros)
            p.diretorio.InsereUsuarioNoGrupo(m, grupo);
        QVERIFY(p.envia(PedidoEnvio::Modo::Grupo, grupo, kTexto));

        QCOMPARE(p.simulador.registros(QStringLiteral("nak")).size(), 3);
        QCOMPARE(p.paginas(QStringLiteral("recusa")).size(), 1);
        QVERIFY(
            p.paginas(QStringLiteral("recusa")).constFirst().startsWith(QStringLiteral("2002|")));
        // The Log holds exactly the pages the service accepted.
        QStringList aceitas = p.paginas(QStringLiteral("pagina"));
        aceitas.replaceInStrings(kNaLinha, kTexto);
        QCOMPARE(aceitas,
            (QStringList{QStringLiteral("1001|") + kTexto, QStringLiteral("3003|") + kTexto}));
        QCOMPARE(p.log(), aceitas);
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY(p.caixa.ultimo().texto.contains(QStringLiteral("código 2002")));
    }

    // The modem is pulled out while the service is silent on the second block: the
    // simulator ends by itself at 6 s, inside that block's 5-second wait.
    void linhaSomeNoMeio()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--silencia-apos"), QStringLiteral("1"),
                     QStringLiteral("--tempo-limite"), QStringLiteral("6")}),
            qPrintable(p.simulador.erro() + p.linha.erro()));
        const QList<int> membros{p.cadastra(QStringLiteral("Ana"), QStringLiteral("1001")),
            p.cadastra(QStringLiteral("Bia"), QStringLiteral("2002"))};
        const int grupo
            = p.diretorio.InsereGrupo(QStringLiteral("Equipe"), QStringLiteral("E")).value_or(-1);
        for (int m : membros)
            p.diretorio.InsereUsuarioNoGrupo(m, grupo);
        QVERIFY(!p.envia(PedidoEnvio::Modo::Grupo, grupo, kTexto));
        QCOMPARE(p.log(), QStringList{QStringLiteral("1001|") + kTexto});
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY(p.caixa.ultimo().texto.contains(QStringLiteral("modem foi interrompida")));
        QVERIFY(!p.linha.aberta());

        // Plugged in again (a new terminal): the next send opens the port and delivers.
        ProcessoSimulador outro;
        QVERIFY2(outro.inicia({QStringLiteral("--tempo-discagem"), QStringLiteral("100")}),
            qPrintable(outro.erro()));
        p.ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), outro.pty());
        p.caixa.limpa();
        QVERIFY(p.envia(PedidoEnvio::Modo::Grupo, grupo, kTexto));
        QCOMPARE(p.caixa.textos(), QStringList());
        QCOMPARE(paginas(outro, QStringLiteral("pagina")).size(), 2);
        QCOMPARE(p.log().size(), 3);
    }

    // The modem pulled out (the simulator ends at its time limit) while Tellumo waits at
    // each stage: one message, the wait ends, the process sleeps meanwhile, and the next
    // send works once a modem is back.
    void linhaPuxadaEmCadaEtapa_data()
    {
        QTest::addColumn<QStringList>("opcoes");
        const QString limite = QStringLiteral("--tempo-limite");
        QTest::newRow("discando") << QStringList{QStringLiteral("--tempo-discagem"),
            QStringLiteral("8000"), limite, QStringLiteral("2")};
        QTest::newRow("esperando ID=")
            << QStringList{QStringLiteral("--sem-id"), limite, QStringLiteral("2")};
        QTest::newRow("log-on") << QStringList{
            QStringLiteral("--sem-ack-logon"), limite, QStringLiteral("2")};
        QTest::newRow("num bloco") << QStringList{
            QStringLiteral("--silencia-apos"), QStringLiteral("0"), limite, QStringLiteral("2")};
        QTest::newRow("log-off") << QStringList{
            QStringLiteral("--silencia-apos"), QStringLiteral("1"), limite, QStringLiteral("3")};
    }
    void linhaPuxadaEmCadaEtapa()
    {
        QFETCH(QStringList, opcoes);
        Ponta p;
        QVERIFY2(p.inicia(opcoes), qPrintable(p.simulador.erro() + p.linha.erro()));
        const int ana = p.cadastra(QStringLiteral("Ana"), QStringLiteral("1001"));
        QElapsedTimer relogio;
        relogio.start();
        const std::clock_t cpuAntes = std::clock();
        QVERIFY(!p.envia(PedidoEnvio::Modo::Usuario, ana, kTexto));
        const double cpu = double(std::clock() - cpuAntes) / CLOCKS_PER_SEC;
        const double parede = relogio.elapsed() / 1000.0;
        QVERIFY2(parede < 30, qPrintable(QString::number(parede)));
        QVERIFY2(cpu < 0.25 * parede + 0.3,
            qPrintable(QStringLiteral("%1 s de CPU em %2 s").arg(cpu).arg(parede)));
        QVERIFY2(
            p.caixa.quantidade() == 1, qPrintable(p.caixa.textos().join(QStringLiteral(" | "))));

        ProcessoSimulador outro;
        QVERIFY2(outro.inicia({QStringLiteral("--tempo-discagem"), QStringLiteral("100")}),
            qPrintable(outro.erro()));
        p.ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), outro.pty());
        p.caixa.limpa();
        QVERIFY(p.envia(PedidoEnvio::Modo::Usuario, ana, kTexto));
        QCOMPARE(p.caixa.textos(), QStringList());
        QCOMPARE(paginas(outro, QStringLiteral("pagina")).size(), 1);
    }

    // The program as the demo runs it: main window, its own line and clock, the compose
    // window from the menu, the send window from the compose window.
    void umUsuarioPelaJanelaPrincipal()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--tempo-discagem"), QStringLiteral("100")}),
            qPrintable(simulador.erro()));
        const EnvioPelaJanela envio = enviaPelaJanelaPrincipal(
            [&](ArquivoIni &ini) {
                ini.GravaPerfil(
                    QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
                ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
            },
            kTexto);
        QCOMPARE(envio.mensagens, QStringList());
        QCOMPARE(envio.textoAposEnvio, QString());
        QCOMPARE(envio.status, QStringLiteral(" Pronto"));
        // The compose window folds the letters it knows as they are typed.
        const QString digitado = QStringLiteral("Reuniao as 15h");
        QCOMPARE(envio.log, QStringList{digitado});
        QCOMPARE(paginas(simulador, QStringLiteral("pagina")),
            QStringList{QStringLiteral("4321|") + kNaLinha});
    }
};

QTEST_MAIN(TestEnvioPonta)
#include "tst_envioponta.moc"
