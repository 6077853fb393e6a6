// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServidorSnpp.h"

#include "ConexaoSnpp.h"
#include "Diario.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

QString PorQueNaoEscuta(const QTcpServer &servidor, const QHostAddress &endereco, quint16 porta)
{
    const QString onde = QStringLiteral("%1 porta %2").arg(endereco.toString()).arg(porta);
    switch (servidor.serverError()) {
    case QAbstractSocket::AddressInUseError:
        return QStringLiteral("A porta %1 já está em uso em %2.")
            .arg(porta)
            .arg(endereco.toString());
    case QAbstractSocket::SocketAccessError:
        return QStringLiteral("Sem permissão para escutar em %1 (portas abaixo de 1024 pedem "
                              "CAP_NET_BIND_SERVICE).")
            .arg(onde);
    case QAbstractSocket::SocketAddressNotAvailableError:
        return QStringLiteral("O endereço %1 não pertence a esta máquina.")
            .arg(endereco.toString());
    default: break;
    }
    return QStringLiteral("Não foi possível escutar em %1: %2").arg(onde, servidor.errorString());
}

} // namespace

ServidorSnpp::ServidorSnpp(
    DestinosSnpp &destinos, LimitesSnpp limites, LimitesDoServidorSnpp servidor, QObject *pai)
    : QObject(pai)
    , m_destinos(destinos)
    , m_limites(limites)
    , m_servidor(servidor)
{ }

ServidorSnpp::~ServidorSnpp()
{
    // The clients go first, while the directory they were lent is surely still there.
    qDeleteAll(m_conexoes);
}

bool ServidorSnpp::Escuta(const QList<QHostAddress> &enderecos, quint16 porta, QString *motivo)
{
    fechaTudo();
    if (enderecos.isEmpty()) {
        if (motivo)
            *motivo = QStringLiteral("Nenhum endereço para escutar.");
        return false;
    }
    for (const QHostAddress &endereco : enderecos) {
        auto *servidor = new QTcpServer(this);
        m_escutas.append(servidor);
        // Port 0 on several addresses: the port the first one got, so one port serves all.
        const quint16 esta = m_escutas.size() > 1 ? Porta() : porta;
        if (!servidor->listen(endereco, esta)) {
            if (motivo)
                *motivo = PorQueNaoEscuta(*servidor, endereco, esta);
            fechaTudo();
            return false;
        }
        connect(servidor, &QTcpServer::newConnection, this, [this, servidor] { aceita(servidor); });
        diario::Escreve(diario::Prioridade::Info,
            QStringLiteral("SNPP escutando em %1 porta %2")
                .arg(endereco.toString())
                .arg(servidor->serverPort()));
    }
    return true;
}

quint16 ServidorSnpp::Porta() const
{
    return m_escutas.isEmpty() ? 0 : m_escutas.constFirst()->serverPort();
}

void ServidorSnpp::fechaTudo()
{
    qDeleteAll(m_escutas);
    m_escutas.clear();
}

void ServidorSnpp::aceita(QTcpServer *servidor)
{
    while (QTcpSocket *socket = servidor->nextPendingConnection()) {
        if (m_conexoes.size() >= m_servidor.conexoes) {
            diario::Escreve(diario::Prioridade::Aviso,
                QStringLiteral("Conexão SNPP de %1 recusada: já há %2 conexões")
                    .arg(ConexaoSnpp::NomeDoCliente(*socket))
                    .arg(m_conexoes.size()));
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->write(QStringLiteral("421 Conexões demais; tente mais tarde\r\n").toUtf8());
            socket->disconnectFromHost();
            continue;
        }
        auto *conexao = new ConexaoSnpp(socket, m_destinos, m_limites, m_servidor.ociosaMs, this);
        m_conexoes.append(conexao);
        connect(conexao, &ConexaoSnpp::Encerrada, this, [this, conexao] {
            m_conexoes.removeOne(conexao);
            conexao->deleteLater();
        });
    }
}
