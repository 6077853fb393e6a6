// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Relogio.h"

#include <QElapsedTimer>

// The real clock: QElapsedTimer for the time, a QEventLoop woken by a QTimer or by a
// QSocketNotifier on the line's descriptor for the waits that process events, and the
// line's own poll() for those that do not.
class RelogioReal : public Relogio
{
public:
    RelogioReal();

    double agora() const override;
    void espera(double segundos) override;
    void aguardaEntrada(LinhaSerial &linha, double segundos, bool processaEventos) override;

private:
    QElapsedTimer m_inicio;
};
