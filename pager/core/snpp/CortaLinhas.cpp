// SPDX-License-Identifier: GPL-3.0-or-later
#include "CortaLinhas.h"

#include <utility>

CortaLinhas::CortaLinhas(qsizetype maximo)
    : m_maximo(maximo)
{ }

QList<QByteArray> CortaLinhas::Recebe(const QByteArray &bytes)
{
    QList<QByteArray> linhas;
    qsizetype inicio = 0;
    while (inicio < bytes.size()) {
        const qsizetype fim = bytes.indexOf('\n', inicio);
        const qsizetype ate = fim < 0 ? bytes.size() : fim;
        if (!m_descartando) {
            m_linha.append(
                bytes.constData() + inicio, qMin(ate - inicio, m_maximo + 2 - m_linha.size()));
            // One byte more than the limit, plus room for the CR that may end a line just
            // within it.
            if (m_linha.size() > m_maximo + 1) {
                m_linha.truncate(m_maximo + 1);
                linhas.append(std::exchange(m_linha, {}));
                m_descartando = true;
            }
        }
        if (fim < 0)
            break;
        if (!m_descartando) {
            if (m_linha.endsWith('\r'))
                m_linha.chop(1);
            if (m_linha.size() > m_maximo)
                m_linha.truncate(m_maximo + 1);
            linhas.append(std::exchange(m_linha, {}));
        }
        m_descartando = false;
        inicio = fim + 1;
    }
    return linhas;
}
