// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the compose window hands to the send window at the moment send is pressed:
// the kind of recipient, its identifier and the text exactly as typed.
struct PedidoEnvio
{
    enum class Modo { Usuario, Grupo };

    Modo modo = Modo::Usuario;
    int identificador = 0;
    QString texto;
};
