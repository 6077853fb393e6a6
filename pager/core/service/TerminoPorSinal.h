// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (systemd's stop) and SIGINT (Ctrl+C) as an event of the loop, so the service stops
// between two steps, never inside one. Made before any other thread starts: the signals are
// blocked for the whole process and read from a descriptor (signalfd).
class TerminoPorSinal : public QObject
{
    Q_OBJECT
public:
    explicit TerminoPorSinal(QObject *pai = nullptr);
    ~TerminoPorSinal() override;

signals:
    void pedido(int sinal);

private:
    void le();

    int m_descritor = -1;
    QSocketNotifier *m_aviso = nullptr;
};
