// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AmbienteJanela;
class Diretorio;
class QComboBox;

// AtualizaGrupos of the groups and membership windows: `cmbGrupos` gets every group by
// name and its first entry is chosen. True when at least one group was listed; a failed
// read is shown in a message box and leaves the list empty. The list's change signal is
// held back while it is filled, so filling does not count as the operator's choice.
bool AtualizaGrupos(QComboBox &grupos, Diretorio &diretorio, const AmbienteJanela &ambiente);
