// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClienteSnpp.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTcpSocket>

namespace {

using Resultado = ResultadoEnvio::Resultado;

// No SNPP reply line comes near this; past it the client stops instead of buffering.
constexpr qint64 kLinhaMaxima = 64 * 1024;

// A command's argument on one line: a line break in a name or a password must not become a
// second command.
QByteArray umaLinha(QString texto)
{
    return texto.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .toUtf8();
}

// One connection's dialogue. Each step answers nothing when it went as expected, else how the
// request ends.
class Conversa
{
public:
    Conversa(const EnderecoSnpp &endereco, std::chrono::milliseconds espera)
        : m_endereco(endereco)
        , m_espera(espera)
    { }

    std::optional<ResultadoEnvio> Conecta()
    {
        m_socket.connectToHost(m_endereco.servidor, m_endereco.porta);
        if (m_socket.waitForConnected(static_cast<int>(m_espera.count())))
            return {};
        switch (m_socket.error()) {
        case QAbstractSocket::ConnectionRefusedError:
            return inalcancavel(QStringLiteral("conexão recusada por %1").arg(nome()));
        case QAbstractSocket::HostNotFoundError:
            return inalcancavel(
                QStringLiteral("servidor %1 não encontrado").arg(m_endereco.servidor));
        case QAbstractSocket::SocketTimeoutError: return inalcancavel(semResposta());
        default: break;
        }
        return inalcancavel(
            QStringLiteral("sem conexão com %1: %2").arg(nome(), m_socket.errorString()));
    }

    // The reply's last line must begin with `esperado`; `final` receives it.
    std::optional<ResultadoEnvio> Resposta(char esperado, QByteArray *final = nullptr)
    {
        const QDeadlineTimer prazo(m_espera);
        QByteArray linha;
        // HELP's 214 lines and "xyz-" continuation lines come before a reply's last line.
        do {
            std::optional<QByteArray> lida = leLinha(prazo);
            if (!lida)
                return inalcancavel(m_motivo);
            linha = *lida;
        } while (linha.startsWith("214") || (linha.size() > 3 && linha.at(3) == '-'));
        if (final)
            *final = linha;
        if (linha.startsWith(esperado))
            return {};
        const QString texto = QString::fromUtf8(linha);
        // 4xx: the server cannot serve now (RFC 1861's 421), which a script may try again.
        if (linha.startsWith('4')) {
            m_rompida = true;
            return inalcancavel(
                QStringLiteral("o servidor %1 não pode atender agora: %2").arg(nome(), texto));
        }
        return ResultadoEnvio{Resultado::Recusado, {}, texto};
    }

    std::optional<ResultadoEnvio> Comando(
        const QByteArray &linha, char esperado, QByteArray *final = nullptr)
    {
        m_socket.write(linha + "\r\n");
        m_socket.flush();
        return Resposta(esperado, final);
    }

    // QUIT, unless the connection is already lost: a dead server would only add a wait.
    void Despede()
    {
        if (!m_rompida && m_socket.state() == QAbstractSocket::ConnectedState)
            Comando("QUIT", '2');
        m_socket.abort();
    }

private:
    std::optional<QByteArray> leLinha(const QDeadlineTimer &prazo)
    {
        while (!m_socket.canReadLine()) {
            if (m_socket.bytesAvailable() > kLinhaMaxima) {
                m_motivo = QStringLiteral("resposta longa demais de %1").arg(nome());
                return {};
            }
            if (!m_socket.waitForReadyRead(static_cast<int>(prazo.remainingTime()))
                && !m_socket.canReadLine()) {
                m_motivo = m_socket.error() == QAbstractSocket::SocketTimeoutError
                    ? semResposta()
                    : QStringLiteral("o servidor %1 fechou a conexão antes de confirmar o pedido")
                          .arg(nome());
                return {};
            }
        }
        QByteArray linha = m_socket.readLine();
        while (linha.endsWith('\n') || linha.endsWith('\r'))
            linha.chop(1);
        return linha;
    }

    ResultadoEnvio inalcancavel(const QString &motivo)
    {
        m_rompida = true;
        return {Resultado::Inalcancavel, {}, motivo};
    }

    QString semResposta() const
    {
        return QStringLiteral("o servidor %1 não respondeu em %2 s")
            .arg(nome())
            .arg(std::chrono::duration<double>(m_espera).count());
    }

    QString nome() const
    {
        const QString porta = QString::number(m_endereco.porta);
        return m_endereco.servidor.contains(QLatin1Char(':'))
            ? QStringLiteral("[%1]:%2").arg(m_endereco.servidor, porta)
            : m_endereco.servidor + QLatin1Char(':') + porta;
    }

    EnderecoSnpp m_endereco;
    std::chrono::milliseconds m_espera;
    QTcpSocket m_socket;
    QString m_motivo;
    bool m_rompida = false; // lost, timed out or closing: no QUIT
};

// One line goes with MESS; several with DATA, each line that begins with a dot given one more
// (the server takes it off), up to the line holding one dot.
std::optional<ResultadoEnvio> mandaTexto(Conversa &conversa, const QString &texto)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\r|\n"));
    const QStringList linhas = texto.split(quebra);
    if (linhas.size() == 1)
        return conversa.Comando("MESS " + texto.toUtf8(), '2');
    if (std::optional<ResultadoEnvio> fim = conversa.Comando("DATA", '3'))
        return fim;
    QByteArray corpo;
    for (const QString &linha : linhas) {
        const QByteArray bytes = linha.toUtf8();
        corpo += (bytes.startsWith('.') ? "." + bytes : bytes) + "\r\n";
    }
    return conversa.Comando(corpo + '.', '2');
}

// Tellumo's server answers "250 Pedido ID na fila (...)"; from another server the reply's
// whole text stands for the request.
QString identificadorDe(const QByteArray &resposta)
{
    static const QRegularExpression pedido(QStringLiteral("^250 Pedido (\\S+) na fila"));
    const QString texto = QString::fromUtf8(resposta);
    const QRegularExpressionMatch m = pedido.match(texto);
    return m.hasMatch() ? m.captured(1) : texto.mid(4).trimmed();
}

} // namespace

std::optional<EnderecoSnpp> EnderecoSnpp::Le(const QString &texto)
{
    EnderecoSnpp e;
    QString porta;
    if (texto.startsWith(QLatin1Char('['))) {
        const qsizetype fim = texto.indexOf(QLatin1Char(']'));
        const QString resto = texto.mid(fim + 1);
        if (fim < 0 || (!resto.isEmpty() && !resto.startsWith(QLatin1Char(':'))))
            return {};
        e.servidor = texto.mid(1, fim - 1);
        porta = resto.mid(1);
        if (!resto.isEmpty() && porta.isEmpty())
            return {};
    } else if (texto.count(QLatin1Char(':')) == 1) {
        e.servidor = texto.section(QLatin1Char(':'), 0, 0);
        porta = texto.section(QLatin1Char(':'), 1);
        if (porta.isEmpty())
            return {};
    } else {
        e.servidor = texto; // a name, an IPv4 address or a bare IPv6 address
    }
    if (e.servidor.isEmpty())
        return {};
    if (!porta.isEmpty()) {
        bool numero = false;
        const uint n = porta.toUInt(&numero);
        if (!numero || n == 0 || n > 65535)
            return {};
        e.porta = static_cast<quint16>(n);
    }
    return e;
}

ResultadoEnvio ClienteSnpp::Envia(const PedidoSnpp &pedido) const
{
    Conversa conversa(pedido.endereco, m_espera);
    std::optional<ResultadoEnvio> fim = conversa.Conecta();
    if (!fim)
        fim = conversa.Resposta('2'); // the 220 greeting
    if (!fim && !pedido.conta.isEmpty()) {
        QByteArray logi = "LOGI " + umaLinha(pedido.conta);
        if (!pedido.senha.isEmpty())
            logi += ' ' + umaLinha(pedido.senha);
        fim = conversa.Comando(logi, '2');
    }
    for (const QString &destino : pedido.destinos) {
        if (!fim)
            fim = conversa.Comando("PAGE " + umaLinha(destino), '2');
    }
    if (!fim)
        fim = mandaTexto(conversa, pedido.texto);
    QByteArray enviado;
    if (!fim)
        fim = conversa.Comando("SEND", '2', &enviado);
    if (!fim)
        fim = ResultadoEnvio{Resultado::Aceito, identificadorDe(enviado), {}};
    conversa.Despede();
    return *fim;
}
