// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The paging service's log: one line on standard error per event, headed by the priority
// in angle brackets as journald reads it ("<6>..."), so the system journal keeps each line's
// level. The dialogue with clients and the paging company goes out only when the service
// runs with --verbose (Depuracao). Safe from any thread: each line is written at once, whole.
namespace diario {

enum class Prioridade { Erro = 3, Aviso = 4, Nota = 5, Info = 6, Depuracao = 7 };

void Escreve(Prioridade prioridade, const QString &texto);

// Depuracao lines are written only after this is turned on.
void DefineDetalhado(bool detalhado);
bool Detalhado();

} // namespace diario
