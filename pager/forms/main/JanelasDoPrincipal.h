// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class frmPrincipal;

// The windows that the main window's menus and tool buttons open and that live outside
// the shell. Each is a function given the main window (for its Modulo, settings file,
// message box and status line); an empty function makes the command do nothing.
// JanelasPadrao() is where each window is hooked up for the program; tests pass their own.
struct JanelasDoPrincipal
{
    std::function<void(frmPrincipal &)> cadastroGrupos; // frmCadastraGrupo
    std::function<void(frmPrincipal &)> usuariosGrupo; // frmUsuariosGrupo
    std::function<void(frmPrincipal &)> cadastraUsuarios; // frmCadastraUsuarios
    std::function<void(frmPrincipal &)> visualizaUsuarios; // frmVisualizaUsuarios
    std::function<void(frmPrincipal &)> montaMsg; // frmMontaMsg, modal
    std::function<void(frmPrincipal &)> historico; // ExibeHistorico, all messages
    std::function<void(frmPrincipal &)> fila; // ExibeFila
    std::function<void(frmPrincipal &)> sobre; // frmSobre
};

// The program's own windows for each command.
JanelasDoPrincipal JanelasPadrao();
