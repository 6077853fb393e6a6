// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/snpp/SessaoSnpp.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class ConexaoSnpp;
class QTcpServer;

// The limits of the server as a whole (those of each dialogue are in LimitesSnpp).
struct LimitesDoServidorSnpp
{
    int conexoes = 32; // clients at once; the next ones get 421 and are closed
    int ociosaMs = 60000; // a client silent this long gets 421 and is closed
};

// The paging service's SNPP server (RFC 1861) on the Qt event loop of its thread: listens
// on the given addresses and gives each client a ConexaoSnpp with its own SessaoSnpp. No
// thread and no timer of its own besides each client's idle time. `destinos` (the
// directory and the queue) is lent for the server's life and called from its thread only.
// It does not deliver pages and does not read settings.
class ServidorSnpp : public QObject
{
    Q_OBJECT
public:
    ServidorSnpp(DestinosSnpp &destinos, LimitesSnpp limites = {},
        LimitesDoServidorSnpp servidor = {}, QObject *pai = nullptr);
    ~ServidorSnpp() override;

    // Listens on every address, on one port (port 0: one the system chooses, the same on
    // every address). False when any address cannot be listened on: then none is, and
    // `motivo` (when given) says why in Portuguese.
    bool Escuta(const QList<QHostAddress> &enderecos, quint16 porta, QString *motivo = nullptr);

    // The port listened on; 0 before a successful Escuta.
    quint16 Porta() const;

    // Clients connected now.
    int Conexoes() const { return int(m_conexoes.size()); }

private:
    void aceita(QTcpServer *servidor);
    void fechaTudo();

    DestinosSnpp &m_destinos;
    LimitesSnpp m_limites;
    LimitesDoServidorSnpp m_servidor;
    QList<QTcpServer *> m_escutas;
    QList<ConexaoSnpp *> m_conexoes;
};
