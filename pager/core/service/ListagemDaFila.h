// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/PaginaDaFila.h"

#include <QList>
#include <QString>

// The queue as `tellumo-servico --fila` prints it for the administrator: a heading and one
// line per page (identifier, state, destination, attempts, next try, last reason), columns
// aligned, times in local time.
QString ListagemDaFila(const QList<PaginaDaFila> &paginas);
