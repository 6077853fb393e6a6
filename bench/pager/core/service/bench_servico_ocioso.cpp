// SPDX-License-Identifier: GPL-3.0-or-later
// The real tellumo-servico idle: an empty queue, nobody connected, its line on the
// simulator's gateway, listening for SNPP and HTTP. After it settles, the context switches of
// all its threads are summed over the given time (every wake-up of a thread, for a timer,
// a descriptor or anything else, is a switch: a sleeping process adds none), with its
// processor time. Both are read from /proc from outside: the service is not told.
//   bench_servico_ocioso [SEGUNDOS]     (60 when not given)
#include "Medida.h"
#include "ProcessoSimulador.h"
#include "ServicoDeBench.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

// What the service does after it listens (its delivery thread opens the directory, reads
// the queue and goes to sleep) has this long to end before the measure.
constexpr int kAssentaMs = 3000;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double segundos = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 60;
    if (segundos <= 0) {
        std::fprintf(stderr, "uso: %s [SEGUNDOS]\n", argv[0]);
        return 1;
    }
    ProcessoSimulador simulador;
    if (!simulador.inicia({QStringLiteral("--tcp"), QStringLiteral("0"),
            QStringLiteral("--tempo-limite"), QString::number(int(segundos) + 60)})) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(simulador.erro()));
        return 1;
    }
    ServicoDeBench servico;
    int linhas = 0;
    if (!servico.Pronto()
        || !servico.Inicia(QStringLiteral("[MODEM]\nPorta Serial=2\nCOM2=%1\n[SNPP]\nPorta=%2\n"
                                          "[HTTP]\nPorta=%3\n")
                               .arg(simulador.gateway())
                               .arg(ServicoDeBench::PortaLivre())
                               .arg(ServicoDeBench::PortaLivre()),
            [&linhas](const QByteArray &) { ++linhas; })) {
        std::fprintf(stderr, "%s\n", qPrintable(servico.Erro()));
        return 1;
    }
    qint64 trocas = 0;
    double processador = 0;
    int linhasAntes = 0;
    QTimer::singleShot(kAssentaMs, [&] {
        trocas = servico.TrocasDeContexto();
        processador = servico.ProcessadorExatoMs();
        linhasAntes = linhas;
        QTimer::singleShot(int(segundos * 1000), &app, &QCoreApplication::quit);
    });
    QCoreApplication::exec();
    trocas = servico.TrocasDeContexto() - trocas;
    processador = servico.ProcessadorExatoMs() - processador;
    const bool vivo = servico.Executando();
    const int escritas = linhas - linhasAntes;
    servico.Para();

    std::printf(
        "serviço ocioso por %.0f s (fila vazia, ninguém conectado): %lld trocas de "
        "contexto em todas as suas threads, %.3f ms de processador, %d linhas no diário%s\n",
        segundos, static_cast<long long>(trocas), processador, escritas,
        vivo ? "" : " (o serviço terminou antes do fim!)");
    medida::Relata(QStringLiteral("serviço ocioso %1 s: despertares").arg(segundos),
        vivo ? double(trocas) : 1e9, "", 1);
    medida::Relata(
        QStringLiteral("serviço ocioso %1 s: processador").arg(segundos), processador, "ms", 1);
    return vivo && trocas == 0 ? 0 : 2;
}
