// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conexao.h"

#include <QString>
#include <memory>

// The connection over a POSIX stream socket. abre() and envia() block; abreSemBloquear()
// resolves and connects on a thread of its own, so that the dialog stays alive while a
// server that does not answer is waited for. Connecting gives up after `prazoConexaoMs`
// so that a machine without a route does not wait for minutes; fecha() abandons an opening
// under way (its `pronto` never runs). It never reads from the socket.
class ConexaoSocket : public Conexao
{
public:
    explicit ConexaoSocket(int prazoConexaoMs = 20000);
    ~ConexaoSocket() override;
    ConexaoSocket(const ConexaoSocket &) = delete;
    ConexaoSocket &operator=(const ConexaoSocket &) = delete;

    Resultado abre(const QByteArray &host, quint16 porta) override;
    void abreSemBloquear(const QByteArray &host, quint16 porta, QObject *contexto,
        std::function<void(Resultado)> pronto) override;
    int envia(const QByteArray &bytes) override;
    void fecha() override;

    bool aberta() const { return m_fd >= 0; }

private:
    struct Tentativa;

    int m_fd = -1;
    int m_prazoMs;
    // Lives on the caller's thread: the opening thread hands its result over through it.
    std::unique_ptr<QObject> m_receptor;
    std::shared_ptr<Tentativa> m_tentativa; // an opening still under way, if any
};

// The system's own text for an error number, in the user's language when it has one.
QString textoDoErro(int erro);
