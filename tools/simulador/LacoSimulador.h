// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModemHayes.h"

class GatewayTcp;

#include <QByteArray>

// The simulator's one loop: it blocks in poll() on the pseudo-terminal, on the TCP gateway
// (if any), on the signals that end it and on the next deadline, and moves bytes between the
// line and the modem.
// It ends on SIGTERM, SIGINT or SIGHUP and when the time limit (if any) runs out.
class LacoSimulador
{
public:
    LacoSimulador(
        int descritorLinha, ModemHayes &modem, int tempoLimiteS, GatewayTcp *gateway = nullptr);
    // Returns why it stopped: "sinal", "tempo" or "erro".
    const char *executa();

private:
    qint64 agora() const;
    bool escreve();

    int linha;
    ModemHayes &modem;
    int tempoLimiteS;
    GatewayTcp *gateway;
    QByteArray pendente;
};
