// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The service's answer to one block, read from the bytes received since the block went out.
// Message lines may come before or between the verdicts; only the first verdict counts, so a
// later one in the same read (ACK CR then NAK CR, a refusal then ESC EOT) never changes it.
struct VereditoTAP
{
    enum class Tipo {
        Nenhum, // no verdict yet: keep reading
        Aceito, // ACK CR
        Repetir, // NAK CR: the same block again
        Recusado, // RS CR, first in the reply or right after a CR
        Desconexao, // ESC EOT CR
    };

    Tipo tipo = Tipo::Nenhum;
    // ESC EOT CR was received (as the verdict or after it): the service has ended the call.
    bool servicoDesligou = false;
};

VereditoTAP JulgaRespostaTAP(const QByteArray &resposta);
