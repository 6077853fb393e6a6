// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class CaixaMensagem;
class QMdiArea;
class frmHistorico;

// Opens a new history window in the main window's MDI area: every message delivered
// (no user) or those delivered to one user (his ID_Usuario), by date, time and name.
// When the log has no such row nothing at all happens and nullptr is returned; a failed
// read is shown in `caixa` and opens nothing. `caixa` must outlive the window (it also
// shows the cell of a double-click).
frmHistorico *ExibeHistorico(
    QMdiArea *area, CaixaMensagem &caixa, std::optional<int> idUsuario = std::nullopt);
