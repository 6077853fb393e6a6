// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Loads Qt's own Brazilian Portuguese translations, so that standard buttons and
// dialogs read "Sim", "Não", "Cancelar". Returns false when they are not installed.
bool instalaTraducaoQt(QCoreApplication &app);
