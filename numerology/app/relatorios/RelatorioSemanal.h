// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DocumentoRelatorio.h"

#include <QDate>
#include <QString>

namespace Relatorio {

// The weekly analysis: the personal year and month of `hoje`, then the personal day of each
// of the seven days from `hoje` on. Every day uses the personal month of `hoje`'s month, also
// the days that fall in the next month or year. The caption is "Análise Numerológica
// Semanal de " and the name in capitals; it leaves CaminhoDaVida alone.
RelatorioGerado CriaRelatorioSemanal(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma);

} // namespace Relatorio
