// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaidaCompassada.h"

#include <algorithm>
#include <cmath>

void SaidaCompassada::poe(QByteArrayView bytes, qint64 prontoEm)
{
    if (bytes.isEmpty())
        return;
    // A piece never overtakes the one before it, whatever its own moment.
    if (!fila.empty())
        prontoEm = std::max(prontoEm, fila.back().prontoEm);
    fila.push_back({prontoEm, bytes.toByteArray()});
}

QByteArray SaidaCompassada::retira(qint64 agora)
{
    QByteArray saida;
    while (!fila.empty() && fila.front().prontoEm <= agora) {
        Trecho &trecho = fila.front();
        if (cps <= 0) {
            saida += trecho.bytes;
            fila.pop_front();
            continue;
        }
        const double passo = 1000.0 / cps;
        livreEm = std::max(livreEm, double(trecho.prontoEm));
        qsizetype n = 0;
        while (n < trecho.bytes.size() && livreEm <= double(agora)) {
            livreEm += passo;
            ++n;
        }
        saida += trecho.bytes.left(n);
        trecho.bytes.remove(0, n);
        if (!trecho.bytes.isEmpty())
            break;
        fila.pop_front();
    }
    return saida;
}

std::optional<qint64> SaidaCompassada::proximoPrazo() const
{
    if (fila.empty())
        return std::nullopt;
    const qint64 pronto = fila.front().prontoEm;
    if (cps <= 0)
        return pronto;
    return std::max(pronto, qint64(std::ceil(livreEm)));
}
