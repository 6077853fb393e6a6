// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The pictures of Vistral's buttons, drawn in code so that no image file has to travel with
// the program. Each returns an icon of about 32 x 32 pixels.
namespace Figuras {

QIcon analiseCompleta();
QIcon analiseParcial();
QIcon analiseSemanal();
QIcon exportar();
QIcon imprimir();
QIcon ajuda();
QIcon sair();
QIcon okay();
QIcon cancelar();
QIcon novidades();
QIcon setaDica();

} // namespace Figuras
