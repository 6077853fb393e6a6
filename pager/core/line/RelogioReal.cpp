// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelogioReal.h"

#include "LinhaSerial.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cmath>
#include <memory>

namespace {

// Rounded up, so that a wait never ends a hair before its deadline and the caller does
// not loop again for a zero-length wait.
int milissegundos(double segundos)
{
    if (segundos <= 0)
        return 0;
    return static_cast<int>(std::ceil(segundos * 1000.0));
}

void rodaLacoAte(int ms, int descritor)
{
    QEventLoop laco;
    QTimer prazo;
    prazo.setSingleShot(true);
    prazo.setTimerType(Qt::PreciseTimer);
    QObject::connect(&prazo, &QTimer::timeout, &laco, &QEventLoop::quit);
    std::unique_ptr<QSocketNotifier> aviso;
    if (descritor >= 0) {
        aviso = std::make_unique<QSocketNotifier>(descritor, QSocketNotifier::Read);
        QObject::connect(aviso.get(), &QSocketNotifier::activated, &laco, &QEventLoop::quit);
    }
    prazo.start(ms);
    laco.exec();
}

} // namespace

RelogioReal::RelogioReal()
{
    m_inicio.start();
}

double RelogioReal::agora() const
{
    return static_cast<double>(m_inicio.nsecsElapsed()) / 1e9;
}

void RelogioReal::espera(double segundos)
{
    const double fim = agora() + segundos;
    // An event handler may leave a nested loop early (a quit() meant for someone else):
    // keep pausing until the time is really over.
    while (agora() < fim)
        rodaLacoAte(milissegundos(fim - agora()), -1);
}

void RelogioReal::aguardaEntrada(LinhaSerial &linha, double segundos, bool processaEventos)
{
    if (linha.fechadaOuPerdida())
        return;
    if (!processaEventos) {
        linha.aguardaEntrada(milissegundos(segundos));
        return;
    }
    if (linha.aguardando() > 0)
        return;
    rodaLacoAte(milissegundos(segundos), linha.descritor());
    // The descriptor also wakes the loop for an error or a hang-up with nothing to read;
    // the line's own look marks it lost then, so the caller ends instead of waiting again.
    if (linha.aguardando() == 0)
        linha.aguardaEntrada(0);
}
