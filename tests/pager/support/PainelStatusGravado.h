// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/modem/PainelStatus.h"

#include <QStringList>

// Records every status text, in order.
class PainelStatusGravado : public PainelStatus
{
public:
    void mostraStatus(const QString &texto) override { m_textos.append(texto); }
    const QStringList &textos() const { return m_textos; }
    QString ultimo() const { return m_textos.isEmpty() ? QString() : m_textos.constLast(); }
    void limpa() { m_textos.clear(); }

private:
    QStringList m_textos;
};
