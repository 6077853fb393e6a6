// SPDX-License-Identifier: GPL-3.0-or-later
#include "Figuras.h"

// The resources live in a static library: they must be registered before first use.
// (Outside any namespace: the registration function is declared where this expands.)
static void registraRecursos()
{
    static const bool registrados = [] {
        Q_INIT_RESOURCE(recado);
        return true;
    }();
    Q_UNUSED(registrados);
}

QPixmap figuraQuorvane()
{
    registraRecursos();
    return QPixmap(QStringLiteral(":/recado/quorvane.xpm"));
}

QIcon iconeRecado()
{
    registraRecursos();
    return QIcon(QStringLiteral(":/recado/icone.xpm"));
}
