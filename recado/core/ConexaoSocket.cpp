// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConexaoSocket.h"

#include <QPointer>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

// A plain blocking connect may wait minutes for an unreachable host; waiting on the
// descriptor bounds it. Returns 0 or the error number.
int conectaComPrazo(int fd, const sockaddr_in &endereco, int prazoMs)
{
    const int flags = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    int erro = 0;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&endereco), sizeof endereco) != 0) {
        erro = errno;
        if (erro == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int pronto;
            do {
                pronto = ::poll(&p, 1, prazoMs);
            } while (pronto < 0 && errno == EINTR);
            if (pronto == 0) {
                erro = ETIMEDOUT;
            } else if (pronto < 0) {
                erro = errno;
            } else {
                socklen_t t = sizeof erro;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &erro, &t) != 0)
                    erro = errno;
            }
        }
    }
    ::fcntl(fd, F_SETFL, flags);
    return erro;
}

// Socket, resolution and connection; on success `fd` holds the connected descriptor.
// Touches nothing but its arguments, so it may run on any thread.
Conexao::Resultado abreDescritor(const QByteArray &host, quint16 porta, int prazoMs, int &fd)
{
    using Etapa = Conexao::Etapa;
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {Etapa::Socket, errno};

    addrinfo dicas{};
    dicas.ai_family = AF_INET;
    dicas.ai_socktype = SOCK_STREAM;
    addrinfo *lista = nullptr;
    if (::getaddrinfo(host.constData(), nullptr, &dicas, &lista) != 0 || lista == nullptr) {
        ::close(std::exchange(fd, -1));
        return {Etapa::Endereco, 0};
    }
    sockaddr_in endereco{};
    std::memcpy(&endereco, lista->ai_addr, sizeof endereco);
    ::freeaddrinfo(lista);
    endereco.sin_port = htons(porta);

    if (const int erro = conectaComPrazo(fd, endereco, prazoMs); erro != 0) {
        ::close(std::exchange(fd, -1));
        return {Etapa::Conexao, erro};
    }
    return {};
}

} // namespace

// What the opening thread and the caller's thread share. The opening thread writes the
// result under the lock unless the caller abandoned the attempt; whoever finds the
// descriptor unwanted closes it.
struct ConexaoSocket::Tentativa
{
    std::mutex trava;
    bool abandonada = false;
    int fd = -1;
    Resultado resultado;
    // Read on the caller's thread only.
    QPointer<QObject> contexto;
    std::function<void(Resultado)> pronto;
};

ConexaoSocket::ConexaoSocket(int prazoConexaoMs)
    : m_prazoMs(prazoConexaoMs)
    , m_receptor(std::make_unique<QObject>())
{ }

ConexaoSocket::~ConexaoSocket()
{
    // Abandons an opening under way before the receiver it would post to goes.
    fecha();
}

Conexao::Resultado ConexaoSocket::abre(const QByteArray &host, quint16 porta)
{
    fecha();
    int fd = -1;
    const Resultado r = abreDescritor(host, porta, m_prazoMs, fd);
    m_fd = fd;
    return r;
}

void ConexaoSocket::abreSemBloquear(
    const QByteArray &host, quint16 porta, QObject *contexto, std::function<void(Resultado)> pronto)
{
    fecha();
    auto tentativa = std::make_shared<Tentativa>();
    tentativa->contexto = contexto;
    tentativa->pronto = std::move(pronto);
    m_tentativa = tentativa;
    // Detached: a resolver or a server that does not answer must not hold up the end of
    // the program. The thread keeps only the shared attempt; it posts to the receiver only
    // while the attempt is not abandoned, and fecha() abandons it before the receiver goes.
    const auto entrega = [tentativa, receptor = m_receptor.get(), this](int fd, Resultado r) {
        const std::lock_guard trava(tentativa->trava);
        if (tentativa->abandonada) {
            if (fd >= 0)
                ::close(fd);
            return;
        }
        tentativa->fd = fd;
        tentativa->resultado = r;
        QMetaObject::invokeMethod(
            receptor,
            [this, tentativa] {
                if (tentativa->abandonada)
                    return;
                m_fd = std::exchange(tentativa->fd, -1);
                m_tentativa.reset();
                if (tentativa->contexto)
                    tentativa->pronto(tentativa->resultado);
            },
            Qt::QueuedConnection);
    };
    try {
        std::thread([entrega, host, porta, prazo = m_prazoMs] {
            int fd = -1;
            const Resultado r = abreDescritor(host, porta, prazo, fd);
            entrega(fd, r);
        }).detach();
    } catch (const std::system_error &erro) {
        // Without a thread to wait on, the opening fails like a socket that cannot be made.
        entrega(-1, {Etapa::Socket, erro.code().value()});
    }
}

int ConexaoSocket::envia(const QByteArray &bytes)
{
    if (m_fd < 0)
        return ENOTCONN;
    qsizetype enviados = 0;
    while (enviados < bytes.size()) {
        // MSG_NOSIGNAL: a server that has gone away must give an error, not kill the program.
        const ssize_t n = ::send(m_fd, bytes.constData() + enviados,
            static_cast<size_t>(bytes.size() - enviados), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        enviados += n;
    }
    return 0;
}

void ConexaoSocket::fecha()
{
    if (m_tentativa) {
        const std::lock_guard trava(m_tentativa->trava);
        m_tentativa->abandonada = true;
        if (m_tentativa->fd >= 0)
            ::close(std::exchange(m_tentativa->fd, -1));
    }
    m_tentativa.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

QString textoDoErro(int erro)
{
    return QString::fromLocal8Bit(std::strerror(erro));
}
