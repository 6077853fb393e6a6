// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoliticaDeRepeticao.h"

#include <algorithm>
#include <cmath>

std::optional<QDateTime> PoliticaDeRepeticao::ProximaTentativa(
    int tentativas, const QDateTime &enfileirada, const QDateTime &agora) const
{
    const QDateTime limite = enfileirada.addSecs(idadeMaximaS);
    if (tentativas >= maximoDeTentativas || agora >= limite)
        return std::nullopt;
    // Computed in floating point and bounded by the oldest age, so a large factor or many
    // attempts never overflow the wait.
    const double espera = double(primeiraEsperaS) * std::pow(fator, std::max(0, tentativas - 1));
    const double resta = double(agora.secsTo(limite));
    return agora.addSecs(qint64(std::min(espera, resta)));
}
