// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// Shows the busy (hourglass) pointer over the whole application for its lifetime and
// always restores the previous pointer, however the scope is left. Guards nest.
// Without a GUI application (a core test on QCoreApplication) it does nothing.
class CursorOcupado
{
public:
    // Qt::BusyCursor for work that goes on while the window still answers the user.
    explicit CursorOcupado(Qt::CursorShape forma = Qt::WaitCursor);
    ~CursorOcupado();
    CursorOcupado(const CursorOcupado &) = delete;
    CursorOcupado &operator=(const CursorOcupado &) = delete;

    // Whether a busy pointer is showing now (any guard alive).
    static bool ativo();

private:
    bool m_ligado = false;
};
