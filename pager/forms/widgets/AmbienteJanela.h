// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class CaixaMensagem;
class Diretorio;
class QDialog;

// What the directory's windows borrow from the main window: the message box, the status
// line, the way a modal dialog is run and the system beep. The main window passes its
// own; tests pass a recording box and operate the dialogs themselves. Empty functions
// fall back to the plain behaviour (no status text, exec(), QApplication::beep()).
struct AmbienteJanela
{
    CaixaMensagem &caixa;
    std::function<void(const QString &)> mostraStatus;
    std::function<void(QDialog &)> executaDialogo;
    std::function<void()> bipe;

    void Status(const QString &texto) const;
    void Executa(QDialog &dialogo) const;
    void Bipe() const;

    // Shows why a statement failed ("Erro:", information icon); the window goes on.
    void MostraFalha(const Diretorio &diretorio) const;
};
