// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstadoGlobal.h"

namespace global {

QList<int> &IdsDestinatarios()
{
    static QList<int> ids;
    return ids;
}

QString &MensagemAnterior()
{
    static QString texto;
    return texto;
}

bool &EnvioIniciado()
{
    static bool iniciado = false;
    return iniciado;
}

} // namespace global
