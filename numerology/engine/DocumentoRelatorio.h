// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

// One finished analysis as the user sees it: the caption of its result window and the report
// text with CR LF line breaks. Result windows show it; printing and export read it from here,
// never from the text box.
struct DocumentoRelatorio
{
    QString legenda;
    QString texto;
};

// What an analysis hands back to the main window: the document to show and, for the analyses
// that set it, the life path that becomes CaminhoDaVida.
struct RelatorioGerado
{
    DocumentoRelatorio documento;
    std::optional<int> caminhoDaVida;
};

// Every analysis (complete, partial, weekly) is a pure function of these four values.
using GeradorRelatorio = std::function<RelatorioGerado(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma)>;
