// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QFont;
class QPrinter;

// Puts the lines of a printed listing on a printer, one page after another, in a
// fixed-pitch font sized so that the margin and the 75 columns fit the page width.
// It prints no header and no page numbers, and does not wrap: ImprimeTexto has done so.
namespace ImpressoraRelatorio {

// False when the job cannot be started, a page cannot be added or the job fails to end.
bool imprime(QPrinter &impressora, const QStringList &linhas);

// The font the lines are printed in on this printer.
QFont fonte(QPrinter &impressora);

} // namespace ImpressoraRelatorio
