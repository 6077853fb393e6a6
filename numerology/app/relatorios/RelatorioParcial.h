// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DocumentoRelatorio.h"

#include <QDate>
#include <QString>

namespace Relatorio {

// The partial analysis: the time-dependent part of the complete analysis (health, then the
// universal and personal year, month and day of `hoje`), built with the same section
// builders, so these seven sections read exactly as in the complete report of the same
// day. The caption is "Análise Numerológica Parcial de " and the name in capitals; the
// life path comes back for CaminhoDaVida, as from the complete analysis.
RelatorioGerado CriaRelatorioParcial(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma);

} // namespace Relatorio
