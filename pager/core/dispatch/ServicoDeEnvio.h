// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/snpp/ClienteSnpp.h"
#include "core/tap/PedidoEnvio.h"

#include <optional>

class ArquivoIni;
class Diretorio;

// The paging service a desk hands its pages to when another program holds the line, as
// Tellumo.INI's "[SERVICO]" names it: "Endereço" (the host), "Porta" (444 when absent),
// "Conta" (for a service that asks for a login) and "Arquivo de Senha" (a file only the user
// may read, holding the account's password on its first line; a relative name is taken from
// the settings file's folder). The password itself never goes in Tellumo.INI.
struct ServicoDeEnvio
{
    EnderecoSnpp endereco;
    QString conta;
    QString senha;

    // True when the section names a service: the desk then queues instead of dialing.
    static bool Nomeado(const ArquivoIni &ini);

    // The service as the settings stand; std::nullopt, with a Portuguese `motivo`, for a
    // malformed address or port, or a password file missing, unreadable or open to others.
    static std::optional<ServicoDeEnvio> Le(const ArquivoIni &ini, QString *motivo);

    // The SNPP request for the compose window's `pedido`: a user by his pager code, a group
    // by its name (the service pages its members). std::nullopt, with a Portuguese `motivo`,
    // when the directory has the recipient no more or cannot be read.
    std::optional<PedidoSnpp> Pedido(
        Diretorio &diretorio, const PedidoEnvio &pedido, QString *motivo) const;
};
