// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ArquivoIni;

// Which kind of list the compose window shows, kept across runs in the settings file under
// "LISTAGEM" / "Opção" ("Usuário" or "Grupo"). Reading and writing only; the window fills.
enum class Listagem { PorUsuario, PorGrupo };

// The kind to open with. A missing key means users, and "Usuário" is written so that the
// file says so from then on; any value but "Usuário" means groups.
Listagem AjustaINIOpcao(ArquivoIni &ini);

// Written when the window closes. False when the file could not be written.
bool GravaINIOpcao(ArquivoIni &ini, Listagem listagem);
