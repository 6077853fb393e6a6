// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArquivosDoServico.h"

#include <QString>

// tellumo-servico as a whole: reads its settings, opens the directory, listens for SNPP
// (and, when configured, HTTP) clients in the main thread and delivers the queue in a thread of its
// own, until SIGTERM or SIGINT. Every failure is written to the log; the answers are the exit
// statuses.
namespace ServicoDePaginas {

// Runs the service: 0 when stopped by a signal, 1 when it could not start or go on.
int Executa(const ArquivosDoServico &arquivos);

// Writes the queue to standard output (`--fila`): 0, or 1 when it could not be read.
int MostraFila(const ArquivosDoServico &arquivos);

} // namespace ServicoDePaginas
