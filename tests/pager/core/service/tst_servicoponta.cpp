// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "ProcessoSimulador.h"
#include "ServicoRodando.h"
#include "core/directory/Diretorio.h"
#include "core/queue/FilaDePaginas.h"

#include <QTest>

// tellumo-servico paging a group through the simulator on each road, a modem on a
// pseudo-terminal and a TAP gateway over TCP, as a monitoring script would ask it with
// tellumo-enviar: what the paging company got, the queue's last word on each page, the Log.
class TstServicoPonta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void peloModem_data() { casos(); }
    void peloModem() { paginaOGrupo(false); }
    void peloGateway_data() { casos(); }
    void peloGateway() { paginaOGrupo(true); }

private:
    static void casos();
    void paginaOGrupo(bool tcp);
};

void TstServicoPonta::casos()
{
    QTest::addColumn<QStringList>("central"); // the simulator's options
    QTest::addColumn<bool>("falhaAntes"); // two calls fail before the line works
    QTest::addColumn<QStringList>("estados"); // "code state" of each page
    QTest::addColumn<QStringList>("log"); // the Log's users
    const QStringList todas{QStringLiteral("1001 entregue"), QStringLiteral("1002 entregue"),
        QStringLiteral("1003 entregue")};
    const QStringList nomes{QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio")};
    QTest::newRow("todos recebem") << QStringList() << false << todas << nomes;
    QTest::newRow("um código recusado")
        << QStringList{QStringLiteral("--recusa"), QStringLiteral("1002")} << false
        << QStringList{QStringLiteral("1001 entregue"), QStringLiteral("1002 recusada"),
               QStringLiteral("1003 entregue")}
        << QStringList{QStringLiteral("Ana"), QStringLiteral("Caio")};
    QTest::newRow("a linha falha duas vezes") << QStringList() << true << todas << nomes;
}

void TstServicoPonta::paginaOGrupo(bool tcp)
{
    QFETCH(QStringList, central);
    QFETCH(bool, falhaAntes);
    QFETCH(QStringList, estados);

    BancoTemporario banco;
    QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
    Diretorio diretorio;
    const auto grupo = diretorio.InsereGrupo({}, QStringLiteral("Plantão"));
    QVERIFY(grupo);
    for (const auto &[codigo, nome] :
        {std::pair{"1001", "Ana"}, {"1002", "Bia"}, {"1003", "Caio"}}) {
        const auto id = diretorio.InsereUsuario(
            {}, QLatin1String(codigo), QDate(2026, 12, 1), QString::fromUtf8(nome));
        QVERIFY(id && diretorio.InsereUsuarioNoGrupo(*id, *grupo));
    }
    ProcessoSimulador simulador;
    QVERIFY2(simulador.inicia(QStringList{QStringLiteral("--tcp"), QStringLiteral("0"),
                                  QStringLiteral("--tempo-discagem"), QStringLiteral("100")}
                 + central),
        qPrintable(simulador.erro()));
    // The line that fails first: no modem at all on the port; on TCP a gateway whose
    // connection drops at the first block.
    ProcessoSimulador ruim;
    QVERIFY2(!falhaAntes || !tcp
            || ruim.inicia({QStringLiteral("--tcp"), QStringLiteral("0"),
                QStringLiteral("--cai-apos"), QStringLiteral("0")}),
        qPrintable(ruim.erro()));
    const QString porta = tcp ? QStringLiteral("COM2") : QStringLiteral("COM1");
    const QString boa = tcp ? simulador.gateway() : simulador.pty();
    const QString primeira
        = !falhaAntes ? boa : (tcp ? ruim.gateway() : banco.Pasta() + QStringLiteral("/modem"));

    ServicoRodando servico;
    QVERIFY2(servico.inicia(QStringLiteral("[BANCO]\nArquivo=%1\n[MODEM]\nPorta Serial=%2\n%3=%4\n"
                                           "[FILA]\nPrimeira Espera=1\nFator=1\n")
                                .arg(banco.Caminho(), porta.right(1), porta, primeira)),
        qPrintable(servico.log()));
    QProcess *enviar = servico.enviar(
        {QStringLiteral("Plantão"), QStringLiteral("-m"), QStringLiteral("Servidor fora do ar")},
        this);
    QVERIFY(enviar->waitForFinished(30000));
    QCOMPARE(enviar->exitCode(), 0);
    const QString saida = QString::fromUtf8(enviar->readAllStandardOutput());
    const qint64 pedido = saida.trimmed().toLongLong();
    QVERIFY2(pedido > 0, qPrintable(saida));
    if (falhaAntes) {
        // Each failed call leaves all three pages waiting, with the reason in the log.
        QVERIFY2(servico.aguarda(QStringLiteral("para 100\\d: aguardando: \\S"), 6),
            qPrintable(servico.log()));
        servico.grava(QStringLiteral("MODEM"), porta, boa);
    }
    QVERIFY2(servico.aguarda(QStringLiteral("para 100\\d: (entregue|recusada)"), 3),
        qPrintable(servico.log()));
    QVERIFY2(servico.para(), qPrintable(servico.log()));

    FilaDePaginas fila;
    const auto paginas = fila.PaginasDoPedido(pedido);
    QVERIFY2(paginas, qPrintable(fila.Erro()));
    QStringList vistos;
    for (const PaginaDaFila &p : *paginas) {
        vistos.append(p.destino.idPager + QLatin1Char(' ') + TextoDoEstado(p.estado));
        QVERIFY2(falhaAntes ? p.tentativas >= 3 : p.tentativas == 1, qPrintable(vistos.last()));
    }
    vistos.sort();
    QCOMPARE(vistos, estados);
    QStringList usuarios
        = BancoDeTeste::Coluna(BancoDeTeste::ListaLog(), QStringLiteral("Usuario"));
    usuarios.sort();
    QTEST(usuarios, "log");
    QStringList recebidos;
    for (const QJsonObject &r : simulador.registros(QStringLiteral("pagina")))
        recebidos.append(
            r.value(QStringLiteral("codigo")).toString() + QStringLiteral(" entregue"));
    recebidos.sort();
    QCOMPARE(recebidos, estados.filter(QStringLiteral("entregue")));
}

QTEST_GUILESS_MAIN(TstServicoPonta)
#include "tst_servicoponta.moc"
