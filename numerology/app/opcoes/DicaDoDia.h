// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The tip of the day: one of the first 37 lines of "byday.arq" in the program folder
// (Windows-1252, one tip a line), drawn at random. Lines past the 37th are never shown.
namespace DicaDoDia {

constexpr int kQuantidade = 37;

// The line number (1 to 37) for a draw 0 <= r < 1.
int numeroSorteado(double r);

// Line `numero` of the tips file. A missing file gives an empty text; a file with fewer
// lines gives its last line.
QString le(const QString &pasta, int numero);

} // namespace DicaDoDia
