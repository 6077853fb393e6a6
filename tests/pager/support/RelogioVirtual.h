// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/line/Relogio.h"

#include <QList>
#include <functional>
#include <map>

// A clock for tests: time stands still until a wait moves it, and a wait jumps straight to
// the next scheduled happening (a reply of a scripted line, a test's own action) or to its
// own end. A 60-second wait thus takes no real time. It records every pause and counts
// the waits that processed window events and those that did not, so tests can tell the
// two kinds apart.
class RelogioVirtual : public Relogio
{
public:
    double agora() const override { return m_agora; }
    void espera(double segundos) override;
    void aguardaEntrada(LinhaSerial &linha, double segundos, bool processaEventos) override;

    // Runs `acao` when the virtual time reaches `instante` (at once if it already has, at
    // the next wait). Actions of the same instant run in the order they were scheduled.
    void agenda(double instante, std::function<void()> acao);
    void agendaApos(double segundos, std::function<void()> acao)
    {
        agenda(m_agora + segundos, std::move(acao));
    }

    // Moves the time forward, running what is due, as a pause would (without events).
    void avanca(double segundos);

    // The durations asked of espera(), in order.
    const QList<double> &pausas() const { return m_pausas; }
    int esperasComEventos() const { return m_comEventos; }
    int esperasSemEventos() const { return m_semEventos; }

    // Called whenever a wait processes window events; by default processes the pending
    // events of the application once (so timers and repaints of the test's windows run).
    std::function<void()> aoProcessarEventos;

private:
    // Runs the actions due up to `limite`, one instant at a time; stops early (time left
    // at that instant) when `parar` says so after an instant.
    void corre(double limite, const std::function<bool()> &parar);
    void processaEventos();

    double m_agora = 0.0;
    std::multimap<double, std::function<void()>> m_agenda;
    QList<double> m_pausas;
    int m_comEventos = 0;
    int m_semEventos = 0;
};
