// SPDX-License-Identifier: GPL-3.0-or-later
// A message to a group of 50 through the paging-service simulator's TAP gateway over TCP on
// the loopback address, with Tellumo's own line, clock and directory. Prints the elapsed
// time against the least the transmission's own pauses allow on this road, and Tellumo's
// processor time against the elapsed time.
//
// The least time: on a gateway there is no modem to answer, no dial, no hang-up and no line
// speed, so only the log-on's pauses (1 + 1 + 0.02 + 0.01) and the log-off's (0.05) remain.
// Targets: elapsed within 2% of that, processor under 0.5% of the elapsed time.
#include "GrupoDeBench.h"
#include "core/line/LinhaTcp.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int kMembros = 50;
constexpr double kPausas = 1.0 + 1.0 + 0.02 + 0.01 + 0.05;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    LinhaTcp linha;
    const std::optional<EnvioMedido> envio
        = enviaAoGrupo({QStringLiteral("--tcp"), QStringLiteral("0")}, true, linha, kMembros);
    if (!envio)
        return 1;
    const bool entregue = envio->entregue;
    const double segundos = envio->segundos;
    const double cpu = envio->processador;
    const qsizetype paginas = envio->paginas;
    std::printf("grupo de %d pelo gateway TCP: entregue %s, %lld paginas no simulador, "
                "mensagens: %lld\n",
        kMembros, entregue ? "sim" : "nao", static_cast<long long>(paginas),
        static_cast<long long>(envio->mensagens));
    std::printf("decorrido: %.3f s, %.2f%% acima do minimo de %.2f s das pausas (meta: ate 2%%)\n",
        segundos, 100.0 * (segundos - kPausas) / kPausas, kPausas);
    std::printf("processador do Tellumo: %.4f s, %.3f%% do decorrido (meta: abaixo de 0,5%%)\n",
        cpu, 100.0 * cpu / segundos);
    medida::Relata(QStringLiteral("grupo de 50 pelo gateway TCP: tempo acima do mínimo"),
        entregue && paginas == kMembros ? 100.0 * (segundos - kPausas) / kPausas : 1e9, "%", 2);
    medida::Relata(QStringLiteral("grupo de 50 pelo gateway TCP: processador do Tellumo"),
        100.0 * cpu / segundos, "% do decorrido", 0.5);
    const bool ok
        = entregue && paginas == kMembros && segundos <= 1.02 * kPausas && cpu < 0.005 * segundos;
    return ok ? 0 : 2;
}
