// SPDX-License-Identifier: GPL-3.0-or-later
#include "LacoSimulador.h"

#include "GatewayTcp.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <poll.h>
#include <sys/signalfd.h>
#include <time.h>
#include <unistd.h>

LacoSimulador::LacoSimulador(int descritorLinha, ModemHayes &m, int limite, GatewayTcp *g)
    : linha(descritorLinha)
    , modem(m)
    , tempoLimiteS(limite)
    , gateway(g)
{ }

qint64 LacoSimulador::agora() const
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

bool LacoSimulador::escreve()
{
    while (!pendente.isEmpty()) {
        const ssize_t n = ::write(linha, pendente.constData(), size_t(pendente.size()));
        if (n < 0)
            return errno == EAGAIN || errno == EINTR;
        pendente.remove(0, n);
    }
    return true;
}

const char *LacoSimulador::executa()
{
    // The signals arrive as readable data on a descriptor, so the one poll() below waits for
    // everything at once.
    // A signal inherited as ignored would never reach the descriptor: SIGINT and SIGTERM
    // must always end the simulator cleanly (SIGHUP stays as the caller left it, for nohup).
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGTERM);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGHUP);
    sigprocmask(SIG_BLOCK, &sinais, nullptr);
    const int descritorSinais = ::signalfd(-1, &sinais, SFD_CLOEXEC);
    if (descritorSinais < 0)
        return "erro";

    const qint64 inicio = agora();
    const qint64 fim = tempoLimiteS > 0 ? inicio + qint64(tempoLimiteS) * 1000 : LLONG_MAX;
    const char *motivo = "tempo";
    for (;;) {
        const qint64 t = agora();
        if (t >= fim)
            break;
        modem.avanca(t);
        pendente += modem.retira(t);
        if (!escreve()) {
            motivo = "erro";
            break;
        }
        if (gateway)
            gateway->avanca(t);
        qint64 espera = fim == LLONG_MAX ? -1 : fim - t;
        const auto considera = [&espera, t](std::optional<qint64> prazo) {
            if (prazo)
                espera = espera < 0 ? *prazo - t : std::min(espera, *prazo - t);
        };
        considera(modem.proximoPrazo());
        if (gateway)
            considera(gateway->proximoPrazo());
        pollfd fds[3] = {{linha, short(POLLIN | (pendente.isEmpty() ? 0 : POLLOUT)), 0},
            {descritorSinais, POLLIN, 0}, {-1, 0, 0}};
        if (gateway)
            gateway->preenche(fds[2]);
        const int pronto
            = ::poll(fds, 3, espera < 0 ? -1 : int(std::clamp<qint64>(espera, 0, INT_MAX)));
        if (pronto < 0 && errno != EINTR) {
            motivo = "erro";
            break;
        }
        if (fds[1].revents & POLLIN) {
            motivo = "sinal";
            break;
        }
        // The simulator holds the terminal side open itself, so a hang-up or an error here
        // means the line is gone: waiting on would only spin.
        if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) && !(fds[0].revents & POLLIN)) {
            motivo = "erro";
            break;
        }
        if (fds[0].revents & POLLIN) {
            char bytes[4096];
            const ssize_t n = ::read(linha, bytes, sizeof bytes);
            if (n > 0)
                modem.recebe(QByteArrayView(bytes, n), agora());
        }
        if (gateway)
            gateway->trata(fds[2], agora());
    }
    ::close(descritorSinais);
    return motivo;
}
