// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <deque>
#include <optional>

// What the simulator has to send, in order, each piece not before its own moment and, when a
// speed is set, no faster than that many characters a second, as a real line would carry it.
// Time is whatever millisecond clock the caller passes (virtual in tests).
class SaidaCompassada
{
public:
    explicit SaidaCompassada(int caracteresPorSegundo = 0)
        : cps(caracteresPorSegundo)
    { }

    void poe(QByteArrayView bytes, qint64 prontoEm);
    QByteArray retira(qint64 agora);
    // The moment the next character may go, or nothing when all has been sent.
    std::optional<qint64> proximoPrazo() const;

private:
    struct Trecho
    {
        qint64 prontoEm;
        QByteArray bytes;
    };
    std::deque<Trecho> fila;
    double livreEm = 0; // when the line has carried the last character given out
    int cps;
};
