// SPDX-License-Identifier: GPL-3.0-or-later
#include "Descritor.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace descritor {

int Aguarda(pollfd *fds, nfds_t quantos, int milissegundos)
{
    int r;
    do {
        r = ::poll(fds, quantos, milissegundos);
    } while (r < 0 && errno == EINTR);
    return r;
}

int EscreveTudo(int fd, const QByteArray &bytes, int esperaMs, bool soquete)
{
    qsizetype enviados = 0;
    while (enviados < bytes.size()) {
        const char *resto = bytes.constData() + enviados;
        const auto tamanho = static_cast<size_t>(bytes.size() - enviados);
        // MSG_NOSIGNAL: a gateway that has gone must give an error, not end the program.
        const ssize_t n
            = soquete ? ::send(fd, resto, tamanho, MSG_NOSIGNAL) : ::write(fd, resto, tamanho);
        if (n > 0) {
            enviados += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd pfd{fd, POLLOUT, 0};
            if (Aguarda(&pfd, 1, esperaMs) > 0 && !(pfd.revents & (POLLERR | POLLHUP)))
                continue;
            return ETIMEDOUT;
        }
        return n < 0 ? errno : -1;
    }
    return 0;
}

int Aguardando(int fd)
{
    int n = 0;
    if (::ioctl(fd, FIONREAD, &n) != 0)
        return 0;
    return n;
}

} // namespace descritor
