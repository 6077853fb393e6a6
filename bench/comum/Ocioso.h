// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a program costs while it sits idle with its main window open: the event loop runs
// for `segundos` and nothing is done to it. "Ours" are the timer events delivered to the
// program's own objects (a class of ours, or a QTimer that is not a Qt widget's), the
// wake-ups that a program of ours should never cause; the rest (a text cursor blinking,
// say) belong to Qt.
namespace medida {

struct Ociosidade
{
    int temporizadoresNossos = 0;
    int despertares = 0; // every time the event loop woke, for any reason
    double processadorMs = 0;
    QString quais; // the receivers of our timer events, for the report
};

Ociosidade MedeOcioso(double segundos);

// Prints `programa`'s idle figures (followed by `extra`, e.g. the message boxes raised) and
// hands their two rows to the table: our timer events (target: none) and the processor time
// (target: under 30 ms).
void RelataOcioso(
    const QString &programa, double segundos, const Ociosidade &ocioso, const QString &extra = {});

} // namespace medida
