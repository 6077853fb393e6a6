// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The printed listing of a report: every line starts with a margin of five blanks and
// holds at most 75 characters after it. Long lines are wrapped at their last blank and
// justified; line breaks of the text end a line unjustified. It only produces the
// lines: putting them on paper is ImpressoraRelatorio's work.

// Widens a line shorter than 75 characters to exactly 75 by doubling its gaps from left
// to right, pass after pass. A line without any blank cannot be widened and is returned
// as it is.
QString JustificaLinha(const QString &linha);

// The lines to print for `texto`, margin included. A run of 76 characters without a
// usable blank is cut hard at 75 characters and left unjustified. Characters after the
// last line break are printed too, so nothing of the text is lost.
QStringList ImprimeTexto(const QString &texto);

// The closing line of every printed report: the maker and his telephone numbers.
QString RodapeImpressao();

// What the printing command hands to ImprimeTexto: the report, two line breaks, the
// footer and a last line break.
QString TextoParaImpressao(const QString &relatorio);
