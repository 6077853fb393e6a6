// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>

// When a page whose delivery failed (busy line, no answer, lost line, time-out) is tried
// again: the first wait, each next wait `fator` times the one before, until `maximoDeTentativas`
// attempts were made or the page is `idadeMaxima` old; then it is given up ("desistida").
// A pure rule: the times come in, nothing is read from a clock.
struct PoliticaDeRepeticao
{
    qint64 primeiraEsperaS = 60;
    double fator = 2.0;
    int maximoDeTentativas = 10;
    qint64 idadeMaximaS = 24 * 3600;

    // The next try of a page queued at `enfileirada` that failed at `agora` after
    // `tentativas` attempts (this one included); std::nullopt: give up. The last try falls
    // at the oldest age when the wait would pass it.
    std::optional<QDateTime> ProximaTentativa(
        int tentativas, const QDateTime &enfileirada, const QDateTime &agora) const;
};
