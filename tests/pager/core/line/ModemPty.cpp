// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModemPty.h"

#include <QMutexLocker>
#include <chrono>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

ModemPty::ModemPty(QByteArray respostaDiscagem, int atrasoDiscagemMs)
    : m_respostaDiscagem(std::move(respostaDiscagem))
    , m_atrasoDiscagemMs(atrasoDiscagemMs)
{
    int escravo = -1;
    char nome[128] = {};
    termios cru{};
    ::cfmakeraw(&cru);
    if (::openpty(&m_mestre, &escravo, nome, &cru, nullptr) != 0)
        return;
    m_nome = QString::fromLocal8Bit(nome);
    ::close(escravo);
    m_fio = std::thread([this] { roda(); });
}

ModemPty::~ModemPty()
{
    m_parar = true;
    if (m_fio.joinable())
        m_fio.join();
    if (m_mestre >= 0)
        ::close(m_mestre);
}

QByteArrayList ModemPty::comandos()
{
    QMutexLocker trava(&m_trava);
    return m_comandos;
}

void ModemPty::desliga()
{
    m_parar = true;
    if (m_fio.joinable())
        m_fio.join();
    ::close(m_mestre);
    m_mestre = -1;
}

void ModemPty::roda()
{
    QByteArray pendente;
    while (!m_parar) {
        pollfd pfd{m_mestre, POLLIN, 0};
        // The short timeout only lets the thread notice that it should stop.
        if (::poll(&pfd, 1, 20) <= 0)
            continue;
        if (!(pfd.revents & POLLIN)) {
            // No slave side open: poll() reports the hang-up at once, so pause instead.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        char bloco[256];
        const ssize_t n = ::read(m_mestre, bloco, sizeof bloco);
        if (n <= 0)
            continue;
        pendente.append(bloco, n);
        qsizetype cr;
        while ((cr = pendente.indexOf('\r')) >= 0) {
            const QByteArray comando = pendente.left(cr);
            pendente.remove(0, cr + 1);
            {
                QMutexLocker trava(&m_trava);
                m_comandos.append(comando);
            }
            QByteArray resposta = "\r\nOK\r\n";
            if (comando.toUpper().startsWith("ATD")) {
                std::this_thread::sleep_for(std::chrono::milliseconds(m_atrasoDiscagemMs));
                resposta = m_respostaDiscagem;
            }
            if (!resposta.isEmpty()) [[maybe_unused]]
                const auto escrito
                    = ::write(m_mestre, resposta.constData(), size_t(resposta.size()));
        }
    }
}
