// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The report that printing and export work on: the text of the active result window, or
// nothing when no result window is active. The messages shown when it is missing or
// empty are the same for both commands.
using OrigemRelatorio = std::optional<QString>;

namespace MensagensOrigem {

inline QString titulo()
{
    return QStringLiteral("Erro lendo dados de origem:");
}

inline QString semRelatorio()
{
    return QStringLiteral("Não foi possível localizar um relatório de análise aberto, crie-o, "
                          "selecione-o e então repita a operação.");
}

inline QString relatorioVazio()
{
    return QStringLiteral("A análise atual é ou está vazia, impossível continuar.");
}

} // namespace MensagensOrigem
