// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <sys/socket.h>

// A web server stand-in on 127.0.0.1 and an ephemeral port: it accepts one connection and
// collects what the client sent until the client closes.
class ServidorLocal
{
public:
    ServidorLocal() { m_servidor.listen(QHostAddress(QHostAddress::LocalHost), 0); }

    quint16 porta() const { return m_servidor.serverPort(); }
    bool ouvindo() const { return m_servidor.isListening(); }

    // A port on which nobody listens: taken from a server that is closed at once.
    static quint16 portaFechada()
    {
        QTcpServer s;
        s.listen(QHostAddress(QHostAddress::LocalHost), 0);
        const quint16 p = s.serverPort();
        s.close();
        return p;
    }

    // The client's connection, accepted now (the client has already connected).
    QTcpSocket *aceita()
    {
        if (!m_cliente && m_servidor.waitForNewConnection(2000))
            m_cliente.reset(m_servidor.nextPendingConnection());
        return m_cliente.get();
    }

    struct Recebido
    {
        QByteArray bytes;
        bool fechadoPeloCliente = false;
    };

    Recebido recebeAteFechar()
    {
        Recebido r;
        QTcpSocket *s = aceita();
        if (!s)
            return r;
        while (s->state() == QAbstractSocket::ConnectedState && s->waitForReadyRead(2000))
            r.bytes += s->readAll();
        r.bytes += s->readAll();
        r.fechadoPeloCliente = s->state() != QAbstractSocket::ConnectedState;
        return r;
    }

    // Drops the connection with a reset, as a server that gives up on the client.
    void derruba()
    {
        QTcpSocket *s = aceita();
        if (!s)
            return;
        const linger imediato{1, 0};
        ::setsockopt(static_cast<int>(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &imediato,
            sizeof imediato);
        s->close();
    }

private:
    QTcpServer m_servidor;
    std::unique_ptr<QTcpSocket> m_cliente;
};
