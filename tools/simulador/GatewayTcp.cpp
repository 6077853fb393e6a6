// SPDX-License-Identifier: GPL-3.0-or-later
#include "GatewayTcp.h"

#include <QJsonObject>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QJsonObject evento(const char *nome)
{
    return {{QStringLiteral("evento"), QString::fromLatin1(nome)}};
}

} // namespace

GatewayTcp::GatewayTcp(const OpcoesSimulador &o, RegistroEventos &r)
    : opcoes(o)
    , registro(r)
    , terminal(o, r)
    , saida(o.cps)
{ }

GatewayTcp::~GatewayTcp()
{
    if (conexao >= 0)
        ::close(conexao);
    if (escuta >= 0)
        ::close(escuta);
}

bool GatewayTcp::abre(int portaPedida, QString &erro)
{
    escuta = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int sim = 1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(quint16(portaPedida));
    socklen_t tamanho = sizeof a;
    if (escuta < 0 || ::setsockopt(escuta, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim) != 0
        || ::bind(escuta, reinterpret_cast<sockaddr *>(&a), tamanho) != 0
        || ::listen(escuta, 4) != 0
        || ::getsockname(escuta, reinterpret_cast<sockaddr *>(&a), &tamanho) != 0) {
        erro = QStringLiteral("porta TCP %1: %2")
                   .arg(portaPedida)
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    porta = ntohs(a.sin_port);
    return true;
}

QString GatewayTcp::endereco() const
{
    return QStringLiteral("tcp:127.0.0.1:%1").arg(porta);
}

void GatewayTcp::preenche(pollfd &fd) const
{
    fd.fd = conexao >= 0 ? conexao : escuta;
    fd.events = short(POLLIN | (pendente.isEmpty() ? 0 : POLLOUT));
    fd.revents = 0;
}

void GatewayTcp::trata(const pollfd &fd, qint64 agora)
{
    if (fd.fd < 0 || fd.revents == 0)
        return;
    if (fd.fd == escuta) {
        aceita(agora);
        return;
    }
    if (!(fd.revents & (POLLIN | POLLHUP | POLLERR)))
        return;
    char bytes[4096];
    const ssize_t n = ::recv(conexao, bytes, sizeof bytes, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        encerra("cliente");
        return;
    }
    if (opcoes.mudo || desligando)
        return;
    const TerminalTap::Resposta resposta = terminal.recebe(QByteArrayView(bytes, n));
    saida.poe(resposta.bytes, agora + opcoes.atrasoMs);
    desligando = resposta.desliga;
}

void GatewayTcp::aceita(qint64 agora)
{
    const int fd = ::accept4(escuta, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    conexao = fd;
    const bool recusa = opcoes.discagem != OpcoesSimulador::Discagem::Conecta;
    QJsonObject e = evento("conexao");
    e.insert(
        QStringLiteral("resultado"), recusa ? QStringLiteral("fechada") : QStringLiteral("aceita"));
    registro.anota(e);
    terminal.reinicia();
    saida = SaidaCompassada(opcoes.cps);
    pendente.clear();
    desligando = recusa;
    avanca(agora);
}

void GatewayTcp::avanca(qint64 agora)
{
    if (conexao < 0)
        return;
    pendente += saida.retira(agora);
    while (!pendente.isEmpty()) {
        const ssize_t n = ::send(
            conexao, pendente.constData(), size_t(pendente.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n < 0) {
            encerra("cliente");
            return;
        }
        pendente.remove(0, n);
    }
    if (desligando && !saida.proximoPrazo())
        encerra("central");
}

void GatewayTcp::encerra(const char *motivo)
{
    ::close(conexao);
    conexao = -1;
    desligando = false;
    pendente.clear();
    saida = SaidaCompassada(opcoes.cps);
    QJsonObject e = evento("desligamento");
    e.insert(QStringLiteral("motivo"), QString::fromLatin1(motivo));
    registro.anota(e);
}

std::optional<qint64> GatewayTcp::proximoPrazo() const
{
    return conexao >= 0 ? saida.proximoPrazo() : std::nullopt;
}
