#include "LinhaTcp.h"

#include <QString>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

// One connection attempt, shared by the line and the helper thread that makes it. The
// thread writes the outcome, then `pronta`, then signals `aviso`; the line reads the outcome
// only after seeing `pronta`. Whoever lets go last closes the descriptors.
struct TentativaDeConexao
{
    QByteArray host;
    QByteArray porta;
    int aviso = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    int cancela = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::atomic<bool> pronta{false};
    int fd = -1; // the connected socket, until the line takes it
    QString erro;

    ~TentativaDeConexao()
    {
        for (int d : {aviso, cancela, fd}) {
            if (d >= 0)
                ::close(d);
        }
    }
};

namespace {

const QString kGatewayFechou = QStringLiteral("A conexão foi encerrada pelo gateway.");
// How long a full output buffer may hold a write up before the connection counts as gone.
constexpr int kEsperaSaidaMs = 5000;

// The system's reasons, in the program's language: the C library speaks the locale's, and a
// pt_BR locale is seldom installed.
QString textoDoErro(int codigo)
{
    switch (codigo) {
    case ECONNREFUSED: return QStringLiteral("Conexão recusada.");
    case ETIMEDOUT: return QStringLiteral("Tempo de conexão esgotado.");
    case ENETUNREACH: return QStringLiteral("A rede está inacessível.");
    case EHOSTUNREACH: return QStringLiteral("Não há rota para o computador.");
    case EHOSTDOWN: return QStringLiteral("O computador está fora do ar.");
    case ENETDOWN: return QStringLiteral("A rede está fora do ar.");
    case ECONNRESET: return QStringLiteral("A conexão foi reinicializada pelo gateway.");
    case ECONNABORTED: return QStringLiteral("A conexão foi interrompida.");
    case EPIPE: return kGatewayFechou;
    case EADDRNOTAVAIL: return QStringLiteral("Endereço não disponível.");
    case EACCES:
    case EPERM: return QStringLiteral("Permissão negada.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Arquivos abertos demais.");
    case ENOBUFS:
    case ENOMEM: return QStringLiteral("Memória insuficiente.");
    default:
        return QStringLiteral("Erro do sistema %1 (%2).")
            .arg(codigo)
            .arg(QString::fromLocal8Bit(std::strerror(codigo)));
    }
}

QString textoDoErroDeNome(int codigo, int erroSistema)
{
    switch (codigo) {
    case EAI_NONAME:
    case EAI_NODATA: return QStringLiteral("Nome não encontrado.");
    case EAI_AGAIN: return QStringLiteral("O servidor de nomes não respondeu; tente mais tarde.");
    case EAI_FAIL: return QStringLiteral("Falha no servidor de nomes.");
    case EAI_ADDRFAMILY: return QStringLiteral("O nome não tem endereço utilizável.");
    case EAI_MEMORY: return QStringLiteral("Memória insuficiente.");
    case EAI_SYSTEM: return textoDoErro(erroSistema);
    default:
        return QStringLiteral("Erro %1 na procura do nome (%2).")
            .arg(codigo)
            .arg(QString::fromLocal8Bit(::gai_strerror(codigo)));
    }
}

int aguardaPoll(pollfd *fds, nfds_t n, int milissegundos)
{
    int r;
    do {
        r = ::poll(fds, n, milissegundos);
    } while (r < 0 && errno == EINTR);
    return r;
}

// Connects to one address; 0 and the socket in `fd`, or the error. -1 when given up.
int conectaEndereco(const addrinfo &a, int cancela, int &fd)
{
    fd = ::socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0)
        return errno;
    int erro = 0;
    if (::connect(fd, a.ai_addr, a.ai_addrlen) != 0) {
        erro = errno;
        if (erro == EINPROGRESS) {
            // No limit of its own: the line's caller gives up after its own, and says so.
            pollfd fds[2] = {{fd, POLLOUT, 0}, {cancela, POLLIN, 0}};
            if (aguardaPoll(fds, 2, -1) < 0) {
                erro = errno;
            } else if (fds[1].revents != 0) {
                erro = -1;
            } else {
                socklen_t tamanho = sizeof erro;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &erro, &tamanho) != 0)
                    erro = errno;
            }
        }
    }
    if (erro != 0) {
        ::close(fd);
        fd = -1;
    }
    return erro;
}

// The helper thread: the name look-up (which may block for as long as the name server
// takes), then each address in turn until one connects.
void tenta(const std::shared_ptr<TentativaDeConexao> &t)
{
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    dicas.ai_flags = AI_NUMERICSERV;
    addrinfo *lista = nullptr;
    const int nome = ::getaddrinfo(t->host.constData(), t->porta.constData(), &dicas, &lista);
    if (nome != 0) {
        t->erro = textoDoErroDeNome(nome, errno);
    } else {
        int erro = EHOSTUNREACH;
        for (const addrinfo *a = lista; a; a = a->ai_next) {
            int fd = -1;
            erro = conectaEndereco(*a, t->cancela, fd);
            if (erro == 0) {
                const int sim = 1;
                ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &sim, sizeof sim);
                t->fd = fd;
                break;
            }
            if (erro < 0)
                break;
        }
        ::freeaddrinfo(lista);
        if (erro > 0)
            t->erro = textoDoErro(erro);
    }
    t->pronta.store(true, std::memory_order_release);
    const quint64 um = 1;
    [[maybe_unused]] const ssize_t n = ::write(t->aviso, &um, sizeof um);
}

} // namespace

LinhaTcp::~LinhaTcp()
{
    fecha();
}

bool LinhaTcp::NomeiaGateway(const QString &dispositivo)
{
    return dispositivo.startsWith(QStringLiteral("tcp:"), Qt::CaseInsensitive);
}

bool LinhaTcp::abre(const QString &dispositivo, const QString &)
{
    fecha();
    m_erro.clear();
    const QString endereco = dispositivo.mid(4).trimmed();
    const qsizetype separador = endereco.lastIndexOf(QLatin1Char(':'));
    QString host = endereco.left(separador);
    const QString porta = endereco.mid(separador + 1);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const int numero = porta.toInt(&ok);
    const bool soDigitos = !porta.isEmpty() && std::all_of(porta.begin(), porta.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!NomeiaGateway(dispositivo) || separador < 0 || host.isEmpty() || !ok || !soDigitos
        || numero < 1 || numero > 65535) {
        m_erro = QStringLiteral("Endereço de gateway inválido: %1 (use tcp:servidor:porta).")
                     .arg(dispositivo);
        return false;
    }
    m_host = host.toUtf8();
    m_porta = QByteArray::number(numero);
    m_aberta = true;
    return true;
}

void LinhaTcp::fecha()
{
    desconecta();
    m_aberta = false;
}

void LinhaTcp::conecta()
{
    desconecta();
    if (!m_aberta) {
        m_conexao = Conexao::Falhou;
        m_erro = QStringLiteral("A porta não está aberta.");
        return;
    }
    auto t = std::make_shared<TentativaDeConexao>();
    if (t->aviso < 0 || t->cancela < 0) {
        m_conexao = Conexao::Falhou;
        m_erro = textoDoErro(errno);
        return;
    }
    t->host = m_host;
    t->porta = m_porta;
    try {
        std::thread(tenta, t).detach();
    } catch (const std::system_error &e) {
        m_conexao = Conexao::Falhou;
        m_erro = textoDoErro(e.code().value());
        return;
    }
    m_tentativa = std::move(t);
    m_erro.clear();
    m_conexao = Conexao::EmCurso;
}

LinhaSerial::Conexao LinhaTcp::conexao()
{
    if (m_tentativa && m_tentativa->pronta.load(std::memory_order_acquire)) {
        m_fd = std::exchange(m_tentativa->fd, -1);
        m_erro = m_tentativa->erro;
        m_conexao = m_fd >= 0 ? Conexao::Feita : Conexao::Falhou;
        m_tentativa.reset();
    }
    return m_conexao;
}

void LinhaTcp::desconecta()
{
    if (m_tentativa) {
        const quint64 um = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_tentativa->cancela, &um, sizeof um);
        m_tentativa.reset();
    }
    if (m_fd >= 0) {
        // Whatever the gateway still sends is read first: closing on unread input would
        // reset the connection rather than end it.
        ::shutdown(m_fd, SHUT_WR);
        char resto[512];
        while (::recv(m_fd, resto, sizeof resto, MSG_DONTWAIT) > 0) { }
        ::close(m_fd);
        m_fd = -1;
    }
    m_perdida = false;
    m_conexao = Conexao::Nenhuma;
}

void LinhaTcp::marcaPerdida(const QString &motivo)
{
    m_perdida = true;
    m_erro = motivo;
}

int LinhaTcp::descritor() const
{
    return m_tentativa ? m_tentativa->aviso : m_fd;
}

bool LinhaTcp::escreve(const QByteArray &bytes)
{
    if (m_fd < 0 || m_perdida)
        return false;
    qsizetype enviados = 0;
    while (enviados < bytes.size()) {
        // MSG_NOSIGNAL: a gateway that has gone must give an error, not end the program.
        const ssize_t n = ::send(m_fd, bytes.constData() + enviados,
            static_cast<size_t>(bytes.size() - enviados), MSG_NOSIGNAL);
        if (n > 0) {
            enviados += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd pfd{m_fd, POLLOUT, 0};
            if (aguardaPoll(&pfd, 1, kEsperaSaidaMs) > 0 && !(pfd.revents & (POLLERR | POLLHUP)))
                continue;
            marcaPerdida(textoDoErro(ETIMEDOUT));
            return false;
        }
        marcaPerdida(n < 0 ? textoDoErro(errno) : kGatewayFechou);
        return false;
    }
    return true;
}

QByteArray LinhaTcp::le()
{
    QByteArray lido;
    if (m_fd < 0 || m_perdida)
        return lido;
    char bloco[4096];
    for (;;) {
        const ssize_t n = ::recv(m_fd, bloco, sizeof bloco, MSG_DONTWAIT);
        if (n > 0) {
            lido.append(bloco, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // The end of the connection is reported once its last bytes have been read: a
        // farewell (ESC EOT CR) followed by the close is judged as a farewell.
        if (n == 0 && lido.isEmpty())
            marcaPerdida(kGatewayFechou);
        else if (n < 0)
            marcaPerdida(textoDoErro(errno));
        break;
    }
    return lido;
}

int LinhaTcp::aguardando()
{
    if (m_fd < 0 || m_perdida)
        return 0;
    int n = 0;
    if (::ioctl(m_fd, FIONREAD, &n) != 0)
        return 0;
    return n;
}

bool LinhaTcp::aguardaEntrada(int milissegundos)
{
    if (!m_aberta || m_perdida)
        return false;
    const int espera = milissegundos < 0 ? 0 : milissegundos;
    const int d = descritor();
    if (d < 0) {
        aguardaPoll(nullptr, 0, espera);
        return false;
    }
    pollfd pfd{d, POLLIN, 0};
    if (aguardaPoll(&pfd, 1, espera) <= 0)
        return false;
    // An attempt that settled is news, not input; a closed connection reads as input (the
    // next le() finds its end).
    return !m_tentativa && (pfd.revents & (POLLIN | POLLHUP | POLLERR));
}
