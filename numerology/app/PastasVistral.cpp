// SPDX-License-Identifier: GPL-3.0-or-later
#include "PastasVistral.h"

#include "PastasDoPrograma.h"

#include <QDir>

PastasVistral PastasVistral::doExecutavel(const QString &pastaExecutavel)
{
    // Every installation and every built tree holds the introductions of the report sections.
    const auto pastas = PastasDoPrograma::de(
        pastaExecutavel, QStringLiteral("vistral"), QStringLiteral("CDATA.DAT"));
    if (pastas.instalado)
        QDir().mkpath(pastas.usuario);
    return {pastas.dados, pastas.usuario};
}
