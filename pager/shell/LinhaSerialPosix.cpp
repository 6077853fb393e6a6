#include "LinhaSerialPosix.h"

#include "ParametrosSerial.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t velocidadePosix(int v)
{
    switch (v) {
    case 110: return B110;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B0; // no such rate: the settings text is refused
    }
}

tcflag_t bitsDadosPosix(int bits)
{
    switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

QString textoErro(int codigo)
{
    return QString::fromLocal8Bit(std::strerror(codigo));
}

// How long a full output buffer may hold a write up before the line counts as gone.
constexpr int kEsperaSaidaMs = 5000;

} // namespace

LinhaSerialPosix::~LinhaSerialPosix()
{
    fecha();
}

bool LinhaSerialPosix::falha(const QString &texto)
{
    m_erro = texto;
    fecha();
    return false;
}

void LinhaSerialPosix::marcaPerdida(int codigoErro)
{
    m_perdida = true;
    m_erro = codigoErro ? textoErro(codigoErro) : QStringLiteral("A linha foi desligada.");
}

bool LinhaSerialPosix::abre(const QString &dispositivo, const QString &configuracoes)
{
    fecha();
    m_perdida = false;
    m_erro.clear();
    const std::optional<ParametrosSerial> p = ParametrosSerial::interpreta(configuracoes);
    if (!p || velocidadePosix(p->velocidade) == B0)
        return falha(QStringLiteral("Configurações inválidas: %1").arg(configuracoes));
    if (dispositivo.isEmpty())
        return falha(QStringLiteral("Nenhum dispositivo."));

    m_fd = ::open(
        QFile::encodeName(dispositivo).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return falha(textoErro(errno));
    if (!::isatty(m_fd))
        return falha(QStringLiteral("%1 não é uma porta serial.").arg(dispositivo));
    // TIOCEXCL keeps other programs from opening the device; the lock also stops those
    // that (like root) may ignore it but lock before using a port, Tellumo among them.
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        return falha(QStringLiteral("%1 está em uso por outro programa.").arg(dispositivo));
    m_exclusiva = ::ioctl(m_fd, TIOCEXCL) == 0;

    termios t{};
    if (::tcgetattr(m_fd, &t) != 0)
        return falha(textoErro(errno));
    ::cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CMSPAR);
    t.c_cflag |= CLOCAL | CREAD | CRTSCTS | bitsDadosPosix(p->bitsDados);
    if (p->bitsParada == 2)
        t.c_cflag |= CSTOPB;
    switch (p->paridade) {
    case ParametrosSerial::Paridade::Nenhuma: break;
    case ParametrosSerial::Paridade::Par: t.c_cflag |= PARENB; break;
    case ParametrosSerial::Paridade::Impar: t.c_cflag |= PARENB | PARODD; break;
    case ParametrosSerial::Paridade::Marca: t.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case ParametrosSerial::Paridade::Espaco: t.c_cflag |= PARENB | CMSPAR; break;
    }
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, velocidadePosix(p->velocidade));
    ::cfsetospeed(&t, velocidadePosix(p->velocidade));
    if (::tcsetattr(m_fd, TCSANOW, &t) != 0) {
        // A pseudo-terminal drops the parity and data bits it cannot keep, and the C library
        // may report that as a failure; what matters is that the line took the rate.
        const int codigo = errno;
        termios aplicado{};
        if (::tcgetattr(m_fd, &aplicado) != 0
            || ::cfgetospeed(&aplicado) != velocidadePosix(p->velocidade))
            return falha(textoErro(codigo));
    }

    // A pseudo-terminal has no modem lines: a refusal here is expected and harmless.
    int rts = TIOCM_RTS;
    ::ioctl(m_fd, TIOCMBIS, &rts);
    return true;
}

void LinhaSerialPosix::fecha()
{
    if (m_fd < 0)
        return;
    // The exclusive mark outlives the descriptor on a pseudo-terminal whose other end stays
    // open: left there, no ordinary user could open the port again after closing it.
    if (m_exclusiva)
        ::ioctl(m_fd, TIOCNXCL);
    m_exclusiva = false;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

bool LinhaSerialPosix::escreve(const QByteArray &bytes)
{
    if (m_fd < 0 || m_perdida)
        return false;
    qsizetype enviados = 0;
    while (enviados < bytes.size()) {
        const ssize_t n = ::write(
            m_fd, bytes.constData() + enviados, static_cast<size_t>(bytes.size() - enviados));
        if (n > 0) {
            enviados += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd pfd{m_fd, POLLOUT, 0};
            if (::poll(&pfd, 1, kEsperaSaidaMs) > 0 && !(pfd.revents & (POLLERR | POLLHUP)))
                continue;
            marcaPerdida(0);
            return false;
        }
        marcaPerdida(n < 0 ? errno : 0);
        return false;
    }
    return true;
}

QByteArray LinhaSerialPosix::le()
{
    QByteArray lido;
    if (m_fd < 0 || m_perdida)
        return lido;
    char bloco[512];
    bool releitura = false;
    for (;;) {
        const ssize_t n = ::read(m_fd, bloco, sizeof bloco);
        if (n > 0) {
            lido.append(bloco, n);
            releitura = false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            break;
        if (n == 0) {
            // With VMIN = VTIME = 0 an empty read may only mean "nothing yet", and input may
            // arrive between that read and this look: readable alone, it is read again. Hung
            // up, or readable twice in a row with nothing to read, is the end of the line.
            pollfd pfd{m_fd, POLLIN, 0};
            if (::poll(&pfd, 1, 0) > 0 && pfd.revents != 0) {
                if (pfd.revents == POLLIN && !releitura) {
                    releitura = true;
                    continue;
                }
                marcaPerdida(0);
            }
            break;
        }
        // EIO: the device or the other end of the pseudo-terminal is gone.
        marcaPerdida(errno);
        break;
    }
    return lido;
}

int LinhaSerialPosix::aguardando()
{
    if (m_fd < 0 || m_perdida)
        return 0;
    int n = 0;
    if (::ioctl(m_fd, FIONREAD, &n) != 0)
        return 0;
    return n;
}

bool LinhaSerialPosix::aguardaEntrada(int milissegundos)
{
    if (m_fd < 0 || m_perdida)
        return false;
    pollfd pfd{m_fd, POLLIN, 0};
    int r;
    do {
        r = ::poll(&pfd, 1, milissegundos < 0 ? 0 : milissegundos);
    } while (r < 0 && errno == EINTR);
    if (r <= 0)
        return false;
    if (pfd.revents & POLLIN)
        return true;
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))
        marcaPerdida(0);
    return false;
}
