// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminoPorSinal.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

TerminoPorSinal::TerminoPorSinal(QObject *pai)
    : QObject(pai)
{
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGTERM);
    sigaddset(&sinais, SIGINT);
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);
    m_descritor = signalfd(-1, &sinais, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_descritor < 0)
        return;
    m_aviso = new QSocketNotifier(m_descritor, QSocketNotifier::Read, this);
    connect(m_aviso, &QSocketNotifier::activated, this, &TerminoPorSinal::le);
}

TerminoPorSinal::~TerminoPorSinal()
{
    if (m_descritor >= 0)
        ::close(m_descritor);
}

void TerminoPorSinal::le()
{
    signalfd_siginfo info{};
    while (::read(m_descritor, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        emit pedido(static_cast<int>(info.ssi_signo));
}
