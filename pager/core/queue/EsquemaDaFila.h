// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/MotorDoBanco.h"

#include <QStringList>

// The table Fila came after the other tables: a directory made before it lacks it, and
// the queue adds it there on first use. Only new objects are made, so older versions of
// Tellumo keep working on the same file or server.
namespace EsquemaDaFila {

// The statements of the engine's own schema (Pager.sql or PagerServidor.sql, built into
// the program) that make the queue's table and indexes, each made only when missing.
QStringList Comandos(motor::Tipo tipo);

} // namespace EsquemaDaFila
