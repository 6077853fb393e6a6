// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErroDoSistema.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>

namespace erroDoSistema {

QString Texto(int codigo)
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
    case EPIPE: return QStringLiteral("A conexão foi encerrada pelo gateway.");
    case EADDRNOTAVAIL: return QStringLiteral("Endereço não disponível.");
    case ENOENT:
    case ENXIO:
    case ENODEV: return QStringLiteral("O dispositivo não existe.");
    case EIO: return QStringLiteral("Erro de entrada e saída no dispositivo.");
    case EBUSY: return QStringLiteral("O dispositivo está em uso.");
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

QString TextoDaProcura(int codigo, int erroSistema)
{
    switch (codigo) {
    case EAI_NONAME:
    case EAI_NODATA: return QStringLiteral("Nome não encontrado.");
    case EAI_AGAIN: return QStringLiteral("O servidor de nomes não respondeu; tente mais tarde.");
    case EAI_FAIL: return QStringLiteral("Falha no servidor de nomes.");
    case EAI_ADDRFAMILY: return QStringLiteral("O nome não tem endereço utilizável.");
    case EAI_MEMORY: return QStringLiteral("Memória insuficiente.");
    case EAI_SYSTEM: return Texto(erroSistema);
    default:
        return QStringLiteral("Erro %1 na procura do nome (%2).")
            .arg(codigo)
            .arg(QString::fromLocal8Bit(::gai_strerror(codigo)));
    }
}

} // namespace erroDoSistema
