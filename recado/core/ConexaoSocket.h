#pragma once

#include "Conexao.h"

#include <QString>

// The connection over a POSIX stream socket. Everything blocks: the dialog waits while
// it connects and sends. Connecting gives up after `prazoConexaoMs` so that a machine
// without a route does not hang for minutes. It never reads from the socket.
class ConexaoSocket : public Conexao
{
public:
    explicit ConexaoSocket(int prazoConexaoMs = 20000)
        : m_prazoMs(prazoConexaoMs)
    { }
    ~ConexaoSocket() override;
    ConexaoSocket(const ConexaoSocket &) = delete;
    ConexaoSocket &operator=(const ConexaoSocket &) = delete;

    Resultado abre(const QByteArray &host, quint16 porta) override;
    int envia(const QByteArray &bytes) override;
    void fecha() override;

    bool aberta() const { return m_fd >= 0; }

private:
    int conectaComPrazo(const void *endereco, unsigned tamanho);

    int m_fd = -1;
    int m_prazoMs;
};

// The system's own text for an error number, in the user's language when it has one.
QString textoDoErro(int erro);
