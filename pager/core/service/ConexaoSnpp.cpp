// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConexaoSnpp.h"

#include "Diario.h"
#include "core/snpp/TextoSnpp.h"

#include <QRegularExpression>
#include <QTcpSocket>

namespace {

// Replies waiting to be sent past which the client's further lines wait in the kernel.
constexpr qint64 kPendenteMaximo = 64 * 1024;
constexpr qint64 kBloco = 4096;

// The line as the verbose log shows it: never a LOGI's password, never a megabyte.
QString ParaODiario(const QByteArray &linha, bool emTexto)
{
    QString texto = TextoSnpp::Decodifica(linha.left(200));
    if (!emTexto) {
        static const QRegularExpression logi(QStringLiteral("^(\\s*LOGI(N)?\\s+\\S+)\\s+\\S.*$"),
            QRegularExpression::CaseInsensitiveOption);
        texto.replace(logi, QStringLiteral("\\1 ****"));
    }
    return texto;
}

// An IPv4 client of a socket listening on both families shows as its IPv4 address.
QString Endereco(const QHostAddress &endereco)
{
    bool ipv4 = false;
    const quint32 v4 = endereco.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(v4).toString() : endereco.toString();
}

} // namespace

QString ConexaoSnpp::NomeDoCliente(const QTcpSocket &socket)
{
    const QString endereco = Endereco(socket.peerAddress());
    return (endereco.contains(QLatin1Char(':')) ? u'[' + endereco + u']' : endereco) + u':'
        + QString::number(socket.peerPort());
}

ConexaoSnpp::ConexaoSnpp(QTcpSocket *socket, DestinosSnpp &destinos, const LimitesSnpp &limites,
    int ociosaMs, QObject *pai)
    : QObject(pai)
    , m_socket(socket)
    , m_cliente(NomeDoCliente(*socket))
    , m_sessao(destinos, Endereco(socket->peerAddress()), limites)
    , m_linhas(limites.bytesPorLinha)
{
    m_socket->setParent(this);
    // Unread bytes stay in the kernel (and slow the client down) instead of here.
    m_socket->setReadBufferSize(kPendenteMaximo);
    m_ocioso.setSingleShot(true);
    m_ocioso.setInterval(ociosaMs);
    connect(&m_ocioso, &QTimer::timeout, this, &ConexaoSnpp::ociosa);
    connect(m_socket, &QTcpSocket::readyRead, this, &ConexaoSnpp::le);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &ConexaoSnpp::le);
    connect(m_socket, &QTcpSocket::disconnected, this, &ConexaoSnpp::encerrada);
    diario::Escreve(
        diario::Prioridade::Info, QStringLiteral("Conexão SNPP de %1 aberta").arg(m_cliente));
    responde(SessaoSnpp::Saudacao());
    m_ocioso.start();
    // Bytes that came with the connection itself.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &ConexaoSnpp::le, Qt::QueuedConnection);
}

ConexaoSnpp::~ConexaoSnpp()
{
    m_socket->disconnect(this);
}

void ConexaoSnpp::le()
{
    const bool ligada = m_socket->state() == QAbstractSocket::ConnectedState;
    // Once gone, what the client sent before closing is still answered into the void: a
    // SEND it did not wait for commits all the same.
    while (!m_fechando && m_socket->bytesAvailable() > 0
        && (!ligada || m_socket->bytesToWrite() < kPendenteMaximo)) {
        const QList<QByteArray> linhas = m_linhas.Recebe(m_socket->read(kBloco));
        for (const QByteArray &linha : linhas) {
            m_ocioso.start();
            if (diario::Detalhado())
                diario::Escreve(diario::Prioridade::Depuracao,
                    QStringLiteral("%1 > %2").arg(
                        m_cliente, ParaODiario(linha, m_sessao.RecebendoTexto())));
            const RespostaSnpp resposta = m_sessao.Recebe(linha);
            responde(resposta);
            if (resposta.fecha) {
                fecha();
                return;
            }
        }
    }
}

void ConexaoSnpp::responde(const RespostaSnpp &resposta)
{
    for (const QByteArray &linha : resposta.linhas) {
        if (diario::Detalhado())
            diario::Escreve(diario::Prioridade::Depuracao,
                QStringLiteral("%1 < %2").arg(m_cliente, QString::fromUtf8(linha)));
    }
    if (!resposta.linhas.isEmpty() && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->write(resposta.Bytes());
}

void ConexaoSnpp::fecha()
{
    m_fechando = true;
    // The last reply still goes out (disconnectFromHost waits for it); a client that never
    // reads it is cut off after one more idle time.
    m_ocioso.start();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        encerrada();
    else
        m_socket->disconnectFromHost();
}

void ConexaoSnpp::ociosa()
{
    if (m_fechando) {
        m_socket->abort();
        encerrada();
        return;
    }
    responde(SessaoSnpp::Ociosa());
    fecha();
}

void ConexaoSnpp::encerrada()
{
    if (m_encerrada)
        return;
    m_encerrada = true;
    // Lines read before the client closed are still answered (le() then writes nothing).
    le();
    m_ocioso.stop();
    diario::Escreve(
        diario::Prioridade::Info, QStringLiteral("Conexão SNPP de %1 encerrada").arg(m_cliente));
    emit Encerrada();
}
