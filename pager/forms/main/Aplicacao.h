// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// The application's identity and language, set once before any window opens.
void configuraAplicacao(QApplication &app);
