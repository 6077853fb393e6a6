#pragma once

#include "ModemHayes.h"

#include <QByteArray>

// The simulator's one loop: it blocks in poll() on the pseudo-terminal, on the signals that
// end it and on the modem's next deadline, and moves bytes between the line and the modem.
// It ends on SIGTERM, SIGINT or SIGHUP and when the time limit (if any) runs out.
class LacoSimulador
{
public:
    LacoSimulador(int descritorLinha, ModemHayes &modem, int tempoLimiteS);
    // Returns why it stopped: "sinal", "tempo" or "erro".
    const char *executa();

private:
    qint64 agora() const;
    bool escreve();

    int linha;
    ModemHayes &modem;
    int tempoLimiteS;
    QByteArray pendente;
};
