// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinhaPorta.h"

bool LinhaPorta::abre(const QString &dispositivo, const QString &configuracoes)
{
    LinhaSerial &nova
        = LinhaTcp::NomeiaGateway(dispositivo) ? static_cast<LinhaSerial &>(m_tcp) : m_serial;
    if (&nova != m_atual)
        m_atual->fecha();
    m_atual = &nova;
    return m_atual->abre(dispositivo, configuracoes);
}
