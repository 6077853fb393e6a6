#include "ConexaoSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

ConexaoSocket::~ConexaoSocket()
{
    fecha();
}

Conexao::Resultado ConexaoSocket::abre(const QByteArray &host, quint16 porta)
{
    fecha();
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {Etapa::Socket, errno};

    addrinfo dicas{};
    dicas.ai_family = AF_INET;
    dicas.ai_socktype = SOCK_STREAM;
    addrinfo *lista = nullptr;
    if (::getaddrinfo(host.constData(), nullptr, &dicas, &lista) != 0 || lista == nullptr) {
        ::close(fd);
        return {Etapa::Endereco, 0};
    }
    sockaddr_in endereco{};
    std::memcpy(&endereco, lista->ai_addr, sizeof endereco);
    ::freeaddrinfo(lista);
    endereco.sin_port = htons(porta);

    m_fd = fd;
    if (const int erro = conectaComPrazo(&endereco, sizeof endereco); erro != 0) {
        fecha();
        return {Etapa::Conexao, erro};
    }
    return {};
}

// A plain blocking connect may wait minutes for an unreachable host; waiting on the
// descriptor bounds it while keeping the call blocking for the caller.
int ConexaoSocket::conectaComPrazo(const void *endereco, unsigned tamanho)
{
    const int flags = ::fcntl(m_fd, F_GETFL);
    ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
    int erro = 0;
    if (::connect(m_fd, static_cast<const sockaddr *>(endereco), tamanho) != 0) {
        erro = errno;
        if (erro == EINPROGRESS) {
            pollfd p{m_fd, POLLOUT, 0};
            int pronto;
            do {
                pronto = ::poll(&p, 1, m_prazoMs);
            } while (pronto < 0 && errno == EINTR);
            if (pronto == 0) {
                erro = ETIMEDOUT;
            } else if (pronto < 0) {
                erro = errno;
            } else {
                socklen_t t = sizeof erro;
                if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &erro, &t) != 0)
                    erro = errno;
            }
        }
    }
    ::fcntl(m_fd, F_SETFL, flags);
    return erro;
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
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

QString textoDoErro(int erro)
{
    return QString::fromLocal8Bit(std::strerror(erro));
}
