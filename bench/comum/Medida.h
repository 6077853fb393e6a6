// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>

// What every benchmark shares: the row it hands to scripts/bench.sh and the process
// figures it measures. A benchmark prints its own readable lines as it likes; a line
// that begins with "MEDIDA" is one figure for the table, and the script runs every
// benchmark three times, each in a fresh process, to give min / median / max.
namespace medida {

// Prints "MEDIDA<TAB>nome<TAB>valor<TAB>unidade<TAB>limite": the figure is within target
// when it is below `limite`.
void Relata(const QString &nome, double valor, const char *unidade, double limite);

// Resident memory of this process now and its peak so far, in MB (-1 when unknown).
double MemoriaMB();
double PicoDeMemoriaMB();

// Processor time of this process so far (user + system), in milliseconds.
double ProcessadorMs();

// The time `relogio` has run, in milliseconds.
inline double Ms(const QElapsedTimer &relogio)
{
    return double(relogio.nsecsElapsed()) / 1e6;
}

} // namespace medida
