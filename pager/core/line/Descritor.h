// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <poll.h>

// What the serial and TCP lines do alike on their non-blocking descriptor: wait with poll()
// across signals, write a whole text, count what waits to be read. Each line keeps its own
// reading, because the end of a pseudo-terminal and the end of a connection read differently.
namespace descritor {

// poll() again when a signal interrupts it; the result of the last call.
int Aguarda(pollfd *fds, nfds_t quantos, int milissegundos);

// Writes every byte of `bytes` (send() without SIGPIPE on a socket, write() elsewhere),
// waiting up to `esperaMs` each time the output is full. 0 when all went; ETIMEDOUT when
// the output stayed full or the other end hung up; -1 when a write took nothing; else the
// failed call's errno.
int EscreveTudo(int fd, const QByteArray &bytes, int esperaMs, bool soquete);

// Bytes that arrived and were not read yet (0 when unknown).
int Aguardando(int fd);

} // namespace descritor
