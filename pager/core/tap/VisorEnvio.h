// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the transmission shows in the send window besides the main window's status line:
// the title panel (pnlTitulo) and the progress gauge of a group (valStatus). The window
// implements it; tests record it. Each call is to be visible at once (repainted).
class VisorEnvio
{
public:
    virtual ~VisorEnvio() = default;

    virtual void mostraTitulo(const QString &titulo) = 0;

    // The gauge gets `maximo` as its maximum, 0 as its value, and becomes visible.
    virtual void iniciaProgresso(int maximo) = 0;
    virtual void mostraProgresso(int valor) = 0;
};
