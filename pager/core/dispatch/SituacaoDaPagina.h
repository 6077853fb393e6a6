// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/PaginaDaFila.h"

// What the send window says of one page the desk queued with the service, as the queue
// holds it now: who it goes to and where it stands, in the operator's words.
QString SituacaoDaPagina(const PaginaDaFila &pagina);

// True when the page will change no more: delivered, refused, given up or cancelled.
bool PaginaEncerrada(EstadoDaFila estado);
