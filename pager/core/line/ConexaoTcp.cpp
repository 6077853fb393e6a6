// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConexaoTcp.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

namespace {

// One address; 0 and the socket in `fd`, the error, or -1 when given up. A negative
// `limiteMs` waits without a limit of its own.
int conectaEndereco(const EnderecoTcp &e, int cancela, int limiteMs, int &fd)
{
    fd = ::socket(e.familia, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0)
        return errno;
    int erro = 0;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&e.endereco), e.tamanho) != 0)
        erro = errno;
    const QDeadlineTimer prazo
        = limiteMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(limiteMs);
    while (erro == EINPROGRESS || erro == EINTR) {
        pollfd fds[2] = {{fd, POLLOUT, 0}, {cancela, POLLIN, 0}};
        const int r = ::poll(fds, 2, prazo.isForever() ? -1 : int(prazo.remainingTime()));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            erro = errno;
        } else if (fds[1].revents != 0) {
            erro = -1;
        } else if (r == 0) {
            erro = ETIMEDOUT;
        } else {
            socklen_t tamanho = sizeof erro;
            if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &erro, &tamanho) != 0)
                erro = errno;
        }
    }
    if (erro != 0) {
        ::close(fd);
        fd = -1;
    }
    return erro;
}

} // namespace

int ConectaTcp(
    const std::vector<EnderecoTcp> &enderecos, int cancela, int limitePorEnderecoMs, int &fd)
{
    fd = -1;
    int erro = EHOSTUNREACH;
    for (size_t i = 0; i < enderecos.size(); ++i) {
        const bool ultimo = i + 1 == enderecos.size();
        erro = conectaEndereco(enderecos[i], cancela, ultimo ? -1 : limitePorEnderecoMs, fd);
        if (erro == 0) {
            const int sim = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &sim, sizeof sim);
            return 0;
        }
        if (erro < 0)
            return erro;
    }
    return erro;
}
