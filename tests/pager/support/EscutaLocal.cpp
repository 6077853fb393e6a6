// SPDX-License-Identifier: GPL-3.0-or-later
#include "EscutaLocal.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

EscutaLocal::EscutaLocal(int fila)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t t = sizeof a;
    auto *endereco = reinterpret_cast<sockaddr *>(&a);
    if (::bind(m_fd, endereco, t) == 0 && ::listen(m_fd, fila) == 0
        && ::getsockname(m_fd, endereco, &t) == 0)
        m_porta = ntohs(a.sin_port);
}

int EscutaLocal::aceita()
{
    return ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
}

void EscutaLocal::fecha()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QString EscutaLocal::endereco(const QString &host) const
{
    return QStringLiteral("tcp:%1:%2").arg(host).arg(m_porta);
}
