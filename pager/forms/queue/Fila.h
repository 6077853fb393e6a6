// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CaixaMensagem;
class QMdiArea;
class frmFila;

// Opens the queue window in the main window's MDI area, or brings forward the one already
// open there (one at a time). A failed read is shown in `caixa` and opens nothing.
// `caixa` must outlive the window.
frmFila *ExibeFila(QMdiArea *area, CaixaMensagem &caixa);
