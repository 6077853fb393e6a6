// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the main window's tool buttons and the maker's logo of the splash,
// drawn in code so that no image files travel with the program.
namespace icones {

QIcon Grupos();
QIcon Usuarios();
QIcon Historico();
QIcon DiscarEnviar();
QPixmap Logotipo(int lado);

} // namespace icones
