#pragma once

#include <QString>
#include <functional>

class CaixaMensagem;
class PainelStatus;
class QDialog;

// What the register and compose windows borrow from the main window: its message box, its
// status line and the way it runs a modal dialog (tests operate dialogs instead of
// running them). Each window's own needs are added by deriving from it.
struct DependenciasDaJanela
{
    CaixaMensagem *caixa = nullptr; // required
    PainelStatus *status = nullptr; // the main window's pnlStatus; may be absent
    // How a modal dialog opened from the window is run (default: exec()).
    std::function<void(QDialog &)> executaDialogo;

    void executa(QDialog &dialogo) const;
    void mostraStatus(const QString &texto) const;
};
