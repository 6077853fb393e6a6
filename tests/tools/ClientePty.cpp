// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClientePty.h"

#include <QDeadlineTimer>
#include <QFile>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

ClientePty::ClientePty(const QString &caminho)
{
    descritor = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_NOCTTY);
}

ClientePty::~ClientePty()
{
    if (descritor >= 0)
        ::close(descritor);
}

void ClientePty::envia(const QByteArray &bytes)
{
    qsizetype feito = 0;
    while (feito < bytes.size()) {
        const ssize_t n
            = ::write(descritor, bytes.constData() + feito, size_t(bytes.size() - feito));
        if (n <= 0)
            return;
        feito += n;
    }
}

QByteArray ClientePty::ate(const QByteArray &esperado, int ms)
{
    QByteArray recebido;
    const QDeadlineTimer prazo(ms);
    while (esperado.isEmpty() || !recebido.contains(esperado)) {
        pollfd fd{descritor, POLLIN, 0};
        if (::poll(&fd, 1, int(prazo.remainingTime())) <= 0)
            break;
        char bytes[1024];
        const ssize_t n = ::read(descritor, bytes, sizeof bytes);
        if (n <= 0)
            break;
        recebido.append(bytes, n);
    }
    return recebido;
}

QByteArray ClientePty::durante(int ms)
{
    return ate(QByteArray(), ms);
}
