// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinhaRoteirizada.h"

#include <QByteArrayList>
#include <memory>

// The other end of a LinhaRoteirizada playing a Hayes modem: each command line (ended by
// CR) starting with "AT" is answered "OK" after a short virtual delay, or not at all; a
// dial command ("ATD...", "ATX3D...") is answered with the chosen result line after the
// chosen delay. Once connected, what the program writes goes to `aposConectar` (the
// paging service of a transmission test) until "+++" returns the modem to command mode.
class ModemHayes
{
public:
    struct Estado
    {
        bool respondeOk = true;
        double atrasoOk = 0.1;
        QByteArray resultadoDiscagem = "\r\nCONNECT 9600\r\n"; // empty: the dial gets no answer
        double atrasoDiscagem = 20.0;
        LinhaRoteirizada::Respondedor aposConectar;
        QByteArrayList comandos; // every command line received, without CR
        bool conectado = false;
        QByteArray pendente;
    };

    ModemHayes()
        : m_estado(std::make_shared<Estado>())
    { }

    // Installs this modem as the responder of `linha`.
    void instala(LinhaRoteirizada &linha);

    Estado &estado() { return *m_estado; }
    const QByteArrayList &comandos() const { return m_estado->comandos; }

private:
    std::shared_ptr<Estado> m_estado;
};
