// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinhaTcp.h"

#include "ConexaoTcp.h"
#include "Descritor.h"
#include "ErroDoSistema.h"
#include "ProcuraDeNome.h"

#include <QString>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
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
    std::shared_ptr<ProcuraDeNome> procura;
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
// How long an address that does not answer holds up the next one.
constexpr int kLimitePorEnderecoMs = 5000;

using erroDoSistema::Texto;

// The helper thread: waits for the name (a look-up an earlier attempt may have started),
// then tries its addresses in turn. Given up, it ends at once, the look-up going on alone.
void tenta(const std::shared_ptr<TentativaDeConexao> &t)
{
    const ProcuraDeNome &procura = *t->procura;
    pollfd fds[2] = {{procura.aviso(), POLLIN, 0}, {t->cancela, POLLIN, 0}};
    if (procura.pronta()
        || (descritor::Aguarda(fds, 2, -1) >= 0 && fds[1].revents == 0 && procura.pronta())) {
        if (procura.enderecos().empty()) {
            t->erro = procura.erro();
        } else {
            const int erro
                = ConectaTcp(procura.enderecos(), t->cancela, kLimitePorEnderecoMs, t->fd);
            if (erro > 0)
                t->erro = Texto(erro);
        }
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
    QString host = endereco.left(separador).trimmed();
    const QString porta = endereco.mid(separador + 1).trimmed();
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2).trimmed();
    bool ok = false;
    const int numero = porta.toInt(&ok);
    const bool soDigitos = !porta.isEmpty() && std::all_of(porta.begin(), porta.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!NomeiaGateway(dispositivo) || separador < 0 || host.isEmpty() || !ok || !soDigitos
        || numero < 1 || numero > 65535) {
        m_erro = QStringLiteral("Endereço de gateway inválido: \"%1\" (use tcp:servidor:porta).")
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
    // A look-up still pending serves this attempt too: a silent name server then holds one
    // thread, however often the operator tries again.
    if (!m_procura || m_procura->pronta() || !m_procura->de(m_host, m_porta)) {
        m_procura = ProcuraDeNome::Inicia(m_host, m_porta, m_erro);
        if (!m_procura) {
            m_conexao = Conexao::Falhou;
            return;
        }
    }
    auto t = std::make_shared<TentativaDeConexao>();
    if (t->aviso < 0 || t->cancela < 0) {
        m_conexao = Conexao::Falhou;
        m_erro = Texto(errno);
        return;
    }
    t->procura = m_procura;
    try {
        std::thread(tenta, t).detach();
    } catch (const std::system_error &e) {
        m_conexao = Conexao::Falhou;
        m_erro = Texto(e.code().value());
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
        // reset the connection rather than end it. A gateway that never stops sending gets
        // the reset.
        ::shutdown(m_fd, SHUT_WR);
        char resto[4096];
        for (int lidos = 0; lidos < kMaximoLeitura;) {
            const ssize_t n = ::recv(m_fd, resto, sizeof resto, MSG_DONTWAIT);
            if (n <= 0)
                break;
            lidos += int(n);
        }
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
    const int erro = descritor::EscreveTudo(m_fd, bytes, kEsperaSaidaMs, true);
    if (erro != 0)
        marcaPerdida(erro > 0 ? Texto(erro) : kGatewayFechou);
    return erro == 0;
}

QByteArray LinhaTcp::le()
{
    QByteArray lido;
    if (m_fd < 0 || m_perdida)
        return lido;
    char bloco[4096];
    while (lido.size() < kMaximoLeitura) {
        const size_t cabe = std::min(sizeof bloco, size_t(kMaximoLeitura - lido.size()));
        const ssize_t n = ::recv(m_fd, bloco, cabe, MSG_DONTWAIT);
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
            marcaPerdida(Texto(errno));
        break;
    }
    return lido;
}

int LinhaTcp::aguardando()
{
    return m_fd < 0 || m_perdida ? 0 : descritor::Aguardando(m_fd);
}

bool LinhaTcp::aguardaEntrada(int milissegundos)
{
    if (!m_aberta || m_perdida)
        return false;
    const int espera = milissegundos < 0 ? 0 : milissegundos;
    const int d = descritor();
    if (d < 0) {
        descritor::Aguarda(nullptr, 0, espera);
        return false;
    }
    pollfd pfd{d, POLLIN, 0};
    if (descritor::Aguarda(&pfd, 1, espera) <= 0)
        return false;
    // An attempt that settled is news, not input; a closed connection reads as input (the
    // next le() finds its end).
    return !m_tentativa && (pfd.revents & (POLLIN | POLLHUP | POLLERR));
}
