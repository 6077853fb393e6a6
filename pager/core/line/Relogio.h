// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class LinhaSerial;

// Time as the modem procedures and the transmission see it: a monotonic clock in seconds
// and the two ways of waiting, with the window events processed meanwhile (the pauses,
// the wait for a dial result) or without (the waits for a reply). RelogioReal is the clock
// of the program; tests use a virtual clock that jumps straight to the next thing that
// happens. A Relogio never spins: every wait blocks on the event loop or the line.
class Relogio
{
public:
    virtual ~Relogio() = default;

    // Seconds since an arbitrary start; never goes back.
    virtual double agora() const = 0;

    // Pauses for `segundos`, processing window events meanwhile (timers tick, windows repaint).
    virtual void espera(double segundos) = 0;

    // Waits at most `segundos` for input on `linha`, returning early when input waits (or the
    // line has vanished). With `processaEventos` the window events are processed meanwhile.
    // The caller reads the line and decides whether to wait again.
    virtual void aguardaEntrada(LinhaSerial &linha, double segundos, bool processaEventos) = 0;
};
