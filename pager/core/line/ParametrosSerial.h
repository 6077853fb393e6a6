// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <termios.h>

// The four items of a serial settings text such as "9600,e,7,1".
struct ParametrosSerial
{
    enum class Paridade { Nenhuma, Par, Impar, Marca, Espaco };

    int velocidade = 9600;
    Paridade paridade = Paridade::Par;
    int bitsDados = 7;
    int bitsParada = 1;

    // Reads "rate,parity,data bits,stop bits" (blanks allowed, parity letter in either
    // case). Empty for anything else: an unknown rate, parity letter, 5 to 8 data bits,
    // 1 or 2 stop bits only.
    static std::optional<ParametrosSerial> interpreta(const QString &texto);

    // The terminal's code for the rate (B9600 for 9600); B0 for a rate no port takes.
    speed_t codigoVelocidade() const;
};
