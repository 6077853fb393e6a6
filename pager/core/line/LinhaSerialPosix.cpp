// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinhaSerialPosix.h"

#include "Descritor.h"
#include "ErroDoSistema.h"
#include "ParametrosSerial.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

tcflag_t bitsDadosPosix(int bits)
{
    switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

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
    m_erro
        = codigoErro ? erroDoSistema::Texto(codigoErro) : QStringLiteral("A linha foi desligada.");
}

bool LinhaSerialPosix::abre(const QString &dispositivo, const QString &configuracoes)
{
    fecha();
    m_perdida = false;
    m_erro.clear();
    const std::optional<ParametrosSerial> p = ParametrosSerial::interpreta(configuracoes);
    const auto invalidas = [&] {
        return falha(QStringLiteral("Configurações inválidas para a porta serial: \"%1\".")
                         .arg(configuracoes));
    };
    if (!p)
        return invalidas();
    if (dispositivo.isEmpty())
        return falha(QStringLiteral("Nenhum dispositivo."));

    const auto emUso = [&] {
        return falha(QStringLiteral("%1 está em uso por outro programa.").arg(dispositivo));
    };
    const auto naoAbre = [&](int codigo) {
        return falha(QStringLiteral("Não foi possível abrir %1: %2")
                         .arg(dispositivo, erroDoSistema::Texto(codigo)));
    };
    m_fd = ::open(
        QFile::encodeName(dispositivo).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return errno == EBUSY ? emUso() : naoAbre(errno);
    if (!::isatty(m_fd))
        return falha(QStringLiteral("%1 não é uma porta serial.").arg(dispositivo));
    // TIOCEXCL keeps other programs from opening the device; the lock also stops those
    // that (like root) may ignore it but lock before using a port, Tellumo among them.
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        return emUso();
    m_exclusiva = ::ioctl(m_fd, TIOCEXCL) == 0;

    termios t{};
    if (::tcgetattr(m_fd, &t) != 0)
        return naoAbre(errno);
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
    ::cfsetispeed(&t, p->codigoVelocidade());
    ::cfsetospeed(&t, p->codigoVelocidade());
    // tcsetattr() succeeds when any part of the request is taken: a device may keep its old
    // rate without a word, so the rate is read back whatever it says. A pseudo-terminal
    // drops the parity and data bits it cannot keep and the C library may call that a
    // failure; what matters is that the line took the rate.
    const int codigo = ::tcsetattr(m_fd, TCSANOW, &t) == 0 ? 0 : errno;
    termios aplicado{};
    if (::tcgetattr(m_fd, &aplicado) != 0)
        return naoAbre(errno);
    if (::cfgetospeed(&aplicado) != p->codigoVelocidade())
        return codigo == 0 || codigo == EINVAL ? invalidas() : naoAbre(codigo);

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
    // Output a modem holding CTS low will never take would hold close() up for half a
    // minute: nothing queued matters once the port is given up.
    ::tcflush(m_fd, TCOFLUSH);
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

bool LinhaSerialPosix::escreve(const QByteArray &bytes)
{
    if (m_fd < 0 || m_perdida)
        return false;
    const int erro = descritor::EscreveTudo(m_fd, bytes, kEsperaSaidaMs, false);
    if (erro != 0)
        marcaPerdida(erro > 0 && erro != ETIMEDOUT ? erro : 0);
    return erro == 0;
}

QByteArray LinhaSerialPosix::le()
{
    QByteArray lido;
    if (m_fd < 0 || m_perdida)
        return lido;
    char bloco[512];
    bool releitura = false;
    while (lido.size() < kMaximoLeitura) {
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
    return m_fd < 0 || m_perdida ? 0 : descritor::Aguardando(m_fd);
}

bool LinhaSerialPosix::aguardaEntrada(int milissegundos)
{
    if (m_fd < 0 || m_perdida)
        return false;
    pollfd pfd{m_fd, POLLIN, 0};
    if (descritor::Aguarda(&pfd, 1, milissegundos < 0 ? 0 : milissegundos) <= 0)
        return false;
    if (pfd.revents & POLLIN)
        return true;
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))
        marcaPerdida(0);
    return false;
}
