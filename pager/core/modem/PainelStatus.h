// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the status texts go (the main window's pnlStatus). Texts arrive exactly as they
// are to be shown, leading blank included (" Pronto").
class PainelStatus
{
public:
    virtual ~PainelStatus() = default;
    virtual void mostraStatus(const QString &texto) = 0;
};
