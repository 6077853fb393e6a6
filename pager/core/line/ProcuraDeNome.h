// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <memory>
#include <sys/socket.h>
#include <vector>

// One address a gateway's name stands for, ready for connect().
struct EnderecoTcp
{
    sockaddr_storage endereco{};
    socklen_t tamanho = 0;
    int familia = AF_UNSPEC;
};

// The look-up of a gateway's name, on a helper thread of its own: getaddrinfo() cannot be
// interrupted and may block for as long as the name server takes. Its end is signalled on
// aviso(), which stays readable from then on for whoever waits; the results are read only
// after pronta(). A line hands a look-up still pending to its next attempt instead of
// starting another, so trying again while the name server is silent adds no thread and no
// descriptor. Whoever lets go last (the line or the thread) closes the descriptor.
class ProcuraDeNome
{
public:
    // Starts looking `host` up; null, with `erro`, when no thread or descriptor can be had.
    static std::shared_ptr<ProcuraDeNome> Inicia(
        const QByteArray &host, const QByteArray &porta, QString &erro);
    // The look-up itself, blocking; empty, with `erro`, when the name has no address.
    static std::vector<EnderecoTcp> Resolve(
        const QByteArray &host, const QByteArray &porta, QString &erro);

    ~ProcuraDeNome();
    ProcuraDeNome(const ProcuraDeNome &) = delete;
    ProcuraDeNome &operator=(const ProcuraDeNome &) = delete;

    bool pronta() const { return m_pronta.load(std::memory_order_acquire); }
    int aviso() const { return m_aviso; }
    bool de(const QByteArray &host, const QByteArray &porta) const
    {
        return host == m_host && porta == m_porta;
    }
    // Only once pronta(): the addresses in the order to try them, or why there are none.
    const std::vector<EnderecoTcp> &enderecos() const { return m_enderecos; }
    const QString &erro() const { return m_erro; }

private:
    ProcuraDeNome(const QByteArray &host, const QByteArray &porta);
    void procura();

    const QByteArray m_host;
    const QByteArray m_porta;
    const int m_aviso;
    std::atomic<bool> m_pronta{false};
    std::vector<EnderecoTcp> m_enderecos;
    QString m_erro;
};
