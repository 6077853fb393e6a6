// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoTemporario.h"
#include "ProcessoSimulador.h"
#include "ServicoRodando.h"
#include "core/directory/Diretorio.h"
#include "core/queue/FilaDePaginas.h"

#include <QTest>

// tellumo-servico killed (SIGKILL) at a few instants of a storm of pages from many clients at
// once, and started again: no page it answered 250 is lost, each reaches the paging company,
// and the pages it was sending when it died are sent again, the log saying how many.
class TstServicoMorto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nenhumaPaginaAceitaSePerde_data();
    void nenhumaPaginaAceitaSePerde();
};

void TstServicoMorto::nenhumaPaginaAceitaSePerde_data()
{
    QTest::addColumn<int>("pedidos"); // requests queued when it is killed
    QTest::newRow("no primeiro pedido") << 1;
    QTest::newRow("no meio da tempestade") << 12;
    QTest::newRow("depois do último") << 24;
}

void TstServicoMorto::nenhumaPaginaAceitaSePerde()
{
    QFETCH(int, pedidos);
    BancoTemporario banco;
    QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
    QVERIFY(Diretorio().InsereUsuario(
        {}, QStringLiteral("1001"), QDate(2026, 12, 1), QStringLiteral("Ana")));
    // Slow answers keep pages `enviando` for a while.
    ProcessoSimulador simulador;
    QVERIFY2(simulador.inicia({QStringLiteral("--tcp"), QStringLiteral("0"),
                 QStringLiteral("--atraso"), QStringLiteral("30")}),
        qPrintable(simulador.erro()));
    const QString secoes = QStringLiteral("[BANCO]\nArquivo=%1\n[MODEM]\nPorta Serial=2\nCOM2=%2\n"
                                          "[FILA]\nPrimeira Espera=1\nFator=1\n")
                               .arg(banco.Caminho(), simulador.gateway());
    ServicoRodando servico;
    QVERIFY2(servico.inicia(secoes), qPrintable(servico.log()));

    QObject dono;
    QList<QProcess *> clientes;
    for (int i = 0; i < 24; ++i)
        clientes.append(servico.enviar(
            {QStringLiteral("ana"), QStringLiteral("-m"), QStringLiteral("Tempestade %1").arg(i)},
            &dono));
    QVERIFY2(
        servico.aguarda(QStringLiteral("Pedido \\d+ na fila"), pedidos), qPrintable(servico.log()));
    servico.mata();

    FilaDePaginas fila;
    QSet<QString> aceitas;
    for (QProcess *c : clientes) {
        QVERIFY(c->state() == QProcess::NotRunning || c->waitForFinished(30000));
        const qint64 pedido = QString::fromUtf8(c->readAllStandardOutput()).trimmed().toLongLong();
        if (c->exitStatus() != QProcess::NormalExit || c->exitCode() != 0)
            continue;
        const auto paginas = fila.PaginasDoPedido(pedido);
        QVERIFY2(paginas && paginas->size() == 1, qPrintable(fila.Erro()));
        aceitas.insert(paginas->first().mensagem);
    }
    const auto pendentes = fila.Lista();
    QVERIFY2(pendentes, qPrintable(fila.Erro()));
    const auto enviando = std::count_if(pendentes->cbegin(), pendentes->cend(),
        [](const PaginaDaFila &p) { return p.estado == EstadoDaFila::Enviando; });

    QVERIFY2(servico.inicia(secoes), qPrintable(servico.log()));
    QVERIFY2(servico.aguarda(QStringLiteral(": entregue\\.$"), int(pendentes->size())),
        qPrintable(servico.log()));
    // The delivery says it before its first call.
    QCOMPARE(
        servico.conta(QStringLiteral("^<4>%1 página\\(s\\) estavam sendo enviadas").arg(enviando)),
        enviando > 0 ? 1 : 0);
    QCOMPARE(servico.conta(QStringLiteral("estavam sendo enviadas")), enviando > 0 ? 1 : 0);
    QVERIFY2(servico.para(), qPrintable(servico.log()));
    QCOMPARE(fila.Lista().value_or(QList<PaginaDaFila>{PaginaDaFila{}}).size(), 0);
    QSet<QString> recebidas;
    for (const QJsonObject &r : simulador.registros(QStringLiteral("pagina")))
        recebidas.insert(r.value(QStringLiteral("texto")).toString());
    QVERIFY2(recebidas.contains(aceitas),
        qPrintable(QStringList((aceitas - recebidas).values()).join(QLatin1Char(','))));
}

QTEST_GUILESS_MAIN(TstServicoMorto)
#include "tst_servicomorto.moc"
