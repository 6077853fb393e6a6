// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/snpp/CortaLinhas.h"
#include "core/snpp/SessaoSnpp.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

// One client of the SNPP server on the Qt event loop: greets it, cuts what it sends into
// lines for its SessaoSnpp, writes the replies, and closes after a reply that ends the
// session or after `ociosaMs` without a whole line. A client that sends without reading
// its replies is read no further until they drain, so it holds at most a few kilobytes of
// the service's memory. Owns the socket; knows nothing of the directory or the queue.
class ConexaoSnpp : public QObject
{
    Q_OBJECT
public:
    // Takes `socket` (already connected) and sends the greeting at once.
    ConexaoSnpp(QTcpSocket *socket, DestinosSnpp &destinos, const LimitesSnpp &limites,
        int ociosaMs, QObject *pai = nullptr);
    ~ConexaoSnpp() override;

    // "address:port", as the log names a client.
    static QString NomeDoCliente(const QTcpSocket &socket);

signals:
    // The connection is closed; the owner may delete this object (deleteLater).
    void Encerrada();

private:
    void le();
    void responde(const RespostaSnpp &resposta);
    void fecha();
    void ociosa();
    void encerrada();

    QTcpSocket *m_socket;
    QString m_cliente;
    SessaoSnpp m_sessao;
    CortaLinhas m_linhas;
    QTimer m_ocioso;
    bool m_fechando = false;
    bool m_encerrada = false;
};
