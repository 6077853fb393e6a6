// SPDX-License-Identifier: GPL-3.0-or-later
// A thousand queued pages delivered by the real tellumo-servico in one call over the
// simulator's TAP gateway (TCP on the loopback address). Prints the call's length against
// the least the protocol's pauses allow, and the service's processor time against it.
//
// The least time, from the pauses the code makes whatever the other side does (Modulo's
// Espera): on a gateway there is no modem, so no initialisation, no dial ("ATE0", the 0.2 s
// before and 0.1 s after the dial string, the 0.5 + 0.1 s after CONNECT, the 0.2 s after the
// result) and no hang-up ("+++", 3 s, "ATH0", 2 s, 0.1 s) — ModuloGateway connects and
// disconnects without any. What remains is per call: the log-on (TrocaDeBlocos AguardaID: a
// CR, 1 s for "ID=", which the simulator answers at once so one round; 1 s more before ESC
// PG1; 0.02 s after it; 0.01 s after its ACK) and the log-off (ChamadaTAP::Encerra: 0.05 s
// after EOT). A page has no fixed pause: each block waits only for its verdict. The
// simulator adds nothing of its own here: no --atraso, no --cps, and on the gateway neither
// its dial time nor its guard time applies. So 1 + 1 + 0.02 + 0.01 + 0.05 = 2.08 s, the
// same for 1 or 1 000 pages; everything above it is the pages' round trips and the
// service's own work (a claim every 50 pages, a commit and a Log row per page).
//
// The pages are put in the table Fila before the service starts, due a few seconds later, so
// that its start is over and measured apart when the call begins. The call is timed by the
// simulator's own log (connection accepted to hang-up, to the millisecond); the bench learns
// the call ended from the service's log lines (one per page delivered) and then looks at the
// simulator's log every 50 ms for the hang-up, which a benchmark can afford. The processor
// time is the service's (all threads, /proc/PID/stat) from just before the due time to the
// hang-up; its start-up is printed apart.
#include "Medida.h"
#include "ProcessoSimulador.h"
#include "ServicoDeBench.h"
#include "core/directory/BancoDeDados.h"
#include "core/queue/FilaDePaginas.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kPaginas = 1000;
constexpr double kPausas = 1.0 + 1.0 + 0.02 + 0.01 + 0.05;
// From queueing to the due time: the service starts and settles meanwhile.
constexpr qint64 kVenceEmMs = 3000;
// The processor time of the start-up is read this long before the due time.
constexpr qint64 kAntesDoVencimentoMs = 300;

bool Enfileira(const QString &banco, const QDateTime &vencimento)
{
    const QFileInfo arquivo(banco);
    if (!AbreBancoDeDados(arquivo.absolutePath(), arquivo.fileName()))
        return false;
    QList<DestinoDaFila> destinos;
    for (int i = 0; i < kPaginas; ++i)
        destinos.append({QString::number(1000 + i), QStringLiteral("Membro %1").arg(i), 0});
    FilaDePaginas fila;
    const bool ok = fila.Enfileira(destinos,
                            QStringLiteral("Reunião geral às 15h na sala 2. Tragam o relatório "
                                           "do mês."),
                            QStringLiteral("bench"), QDateTime::currentDateTimeUtc(), vencimento)
                        .has_value();
    if (!ok)
        std::fprintf(stderr, "fila: %s\n", qPrintable(fila.Erro()));
    FechaBancoDeDados();
    return ok;
}

QDateTime Hora(const QJsonObject &registro)
{
    return QDateTime::fromString(
        registro.value(QStringLiteral("hora")).toString(), Qt::ISODateWithMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ProcessoSimulador simulador;
    if (!simulador.inicia({QStringLiteral("--tcp"), QStringLiteral("0")})) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(simulador.erro()));
        return 1;
    }
    ServicoDeBench servico;
    const QDateTime vencimento = QDateTime::currentDateTimeUtc().addMSecs(kVenceEmMs);
    if (!servico.Pronto() || !Enfileira(servico.Banco(), vencimento)) {
        std::fprintf(stderr, "diretório: %s\n", qPrintable(servico.Erro()));
        return 1;
    }

    int entregues = 0;
    QTimer olhaSimulador;
    olhaSimulador.setInterval(50);
    QObject::connect(&olhaSimulador, &QTimer::timeout, [&simulador] {
        if (!simulador.registros(QStringLiteral("desligamento")).isEmpty())
            QCoreApplication::quit();
    });
    const auto conta = [&entregues, &olhaSimulador](const QByteArray &linha) {
        if (linha.startsWith("Mensagem ") && linha.endsWith(": entregue.")
            && ++entregues == kPaginas)
            olhaSimulador.start();
    };
    const QString ini = QStringLiteral("[MODEM]\nPorta Serial=2\nCOM2=%1\n[SNPP]\nPorta=%2\n")
                            .arg(simulador.gateway())
                            .arg(ServicoDeBench::PortaLivre());
    if (!servico.Inicia(ini, conta)) {
        std::fprintf(stderr, "%s\n", qPrintable(servico.Erro()));
        return 1;
    }
    double inicio = 0, inicioExato = 0;
    qint64 trocas = 0;
    QTimer::singleShot(
        QDateTime::currentDateTimeUtc().msecsTo(vencimento) - kAntesDoVencimentoMs, [&] {
            inicio = servico.ProcessadorMs();
            inicioExato = servico.ProcessadorExatoMs();
            trocas = servico.TrocasDeContexto();
        });
    // Should the call never end, the bench does: the simulator's own limit is 120 s.
    QTimer::singleShot(100'000, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double processador = servico.ProcessadorMs() - inicio;
    const double processadorExato = servico.ProcessadorExatoMs() - inicioExato;
    trocas = servico.TrocasDeContexto() - trocas;
    servico.Para();

    const QList<QJsonObject> conexoes = simulador.registros(QStringLiteral("conexao"));
    const QList<QJsonObject> fins = simulador.registros(QStringLiteral("desligamento"));
    const qsizetype paginas = simulador.registros(QStringLiteral("pagina")).size();
    if (conexoes.size() != 1 || fins.isEmpty() || entregues != kPaginas || paginas != kPaginas) {
        std::fprintf(stderr, "%lld chamadas, %lld páginas no simulador, %d entregues no diário\n",
            static_cast<long long>(conexoes.size()), static_cast<long long>(paginas), entregues);
        medida::Relata(QStringLiteral("1 000 páginas da fila pelo gateway: tempo acima do mínimo"),
            1e9, "%", 2);
        return 2;
    }
    const double segundos = double(Hora(conexoes.first()).msecsTo(Hora(fins.first()))) / 1e3;
    std::printf("1000 páginas da fila numa chamada pelo gateway TCP: chamada de %.3f s, %.2f%% "
                "acima do mínimo de %.2f s das pausas (meta: até 2%%); %.2f ms por página acima "
                "do mínimo; a chamada começou %lld ms depois do vencimento\n",
        segundos, 100.0 * (segundos - kPausas) / kPausas, kPausas,
        (segundos - kPausas) * 1e3 / kPaginas,
        static_cast<long long>(vencimento.msecsTo(Hora(conexoes.first()))));
    std::printf("processador do serviço: %.0f ms (%.1f ms pelo schedstat), %.2f%% da chamada "
                "(meta: abaixo de 1%%); %.0f ms (%.1f ms) na partida; %lld trocas de contexto "
                "na entrega\n",
        processador, processadorExato, 100.0 * processador / 1e3 / segundos, inicio, inicioExato,
        static_cast<long long>(trocas));
    medida::Relata(QStringLiteral("1 000 páginas da fila pelo gateway: tempo acima do mínimo"),
        100.0 * (segundos - kPausas) / kPausas, "%", 2);
    medida::Relata(QStringLiteral("1 000 páginas da fila pelo gateway: processador do serviço"),
        100.0 * processador / 1e3 / segundos, "% do decorrido", 1);
    return segundos <= 1.02 * kPausas && processador < 10 * segundos ? 0 : 2;
}
