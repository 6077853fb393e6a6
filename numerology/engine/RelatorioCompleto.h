// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentoRelatorio.h"

#include <QDate>
#include <QString>

namespace Relatorio {

// The complete analysis: header and twenty sections for the name and birth date ("dd/mm/yyyy",
// already accepted by the input dialog) on the day `hoje`, with the texts of the program
// folder. The caption is "Análise Numerológica de " and the name in capitals; the life path
// comes back for CaminhoDaVida.
RelatorioGerado CriaRelatorio(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma);

} // namespace Relatorio
