// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Tellumo's program-wide values shared by the compose, send and history windows.
// They live as long as the program and are touched only on the user-interface thread.
namespace global {

// Slot k holds the identifier (ID_Usuario or ID_Grupo) of the k-th entry of the compose
// window's recipient list, counting from 1; slot 0 is unused. Grows with the list.
QList<int> &IdsDestinatarios();

// The text that "=ANTERIOR" recalls in the compose window.
QString &MensagemAnterior();

// Start-once flag of the send window.
bool &EnvioIniciado();

} // namespace global
