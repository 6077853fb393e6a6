// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcuraDeNome.h"

#include "ErroDoSistema.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

ProcuraDeNome::ProcuraDeNome(const QByteArray &host, const QByteArray &porta)
    : m_host(host)
    , m_porta(porta)
    , m_aviso(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{ }

ProcuraDeNome::~ProcuraDeNome()
{
    if (m_aviso >= 0)
        ::close(m_aviso);
}

std::shared_ptr<ProcuraDeNome> ProcuraDeNome::Inicia(
    const QByteArray &host, const QByteArray &porta, QString &erro)
{
    std::shared_ptr<ProcuraDeNome> p(new ProcuraDeNome(host, porta));
    if (p->m_aviso < 0) {
        erro = erroDoSistema::Texto(errno);
        return nullptr;
    }
    try {
        std::thread([p] { p->procura(); }).detach();
    } catch (const std::system_error &e) {
        erro = erroDoSistema::Texto(e.code().value());
        return nullptr;
    }
    return p;
}

std::vector<EnderecoTcp> ProcuraDeNome::Resolve(
    const QByteArray &host, const QByteArray &porta, QString &erro)
{
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    dicas.ai_flags = AI_NUMERICSERV;
    addrinfo *lista = nullptr;
    std::vector<EnderecoTcp> enderecos;
    const int codigo = ::getaddrinfo(host.constData(), porta.constData(), &dicas, &lista);
    if (codigo != 0) {
        erro = erroDoSistema::TextoDaProcura(codigo, errno);
        return enderecos;
    }
    for (const addrinfo *a = lista; a; a = a->ai_next) {
        if (a->ai_addrlen > sizeof(sockaddr_storage))
            continue;
        EnderecoTcp e;
        std::memcpy(&e.endereco, a->ai_addr, a->ai_addrlen);
        e.tamanho = a->ai_addrlen;
        e.familia = a->ai_family;
        enderecos.push_back(e);
    }
    ::freeaddrinfo(lista);
    if (enderecos.empty())
        erro = erroDoSistema::TextoDaProcura(EAI_NODATA, 0);
    return enderecos;
}

void ProcuraDeNome::procura()
{
    m_enderecos = Resolve(m_host, m_porta, m_erro);
    m_pronta.store(true, std::memory_order_release);
    const quint64 um = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_aviso, &um, sizeof um);
}
