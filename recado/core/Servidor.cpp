// SPDX-License-Identifier: GPL-3.0-or-later
#include "Servidor.h"

Servidor servidorPadrao()
{
    return Servidor{
        QByteArrayLiteral(RECADO_SERVIDOR), RECADO_PORTA, QByteArrayLiteral(RECADO_DESTINATARIO)};
}
