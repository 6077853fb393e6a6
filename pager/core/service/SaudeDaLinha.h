// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QString>

// What the delivery thread last learnt of the line (the port would not open, the last call
// failed), for the health check of the HTTP intake in the main thread: empty while usable.
class SaudeDaLinha
{
public:
    void Define(const QString &problema)
    {
        QMutexLocker trava(&m_trava);
        m_problema = problema;
    }
    QString Problema() const
    {
        QMutexLocker trava(&m_trava);
        return m_problema;
    }

private:
    mutable QMutex m_trava;
    QString m_problema;
};
