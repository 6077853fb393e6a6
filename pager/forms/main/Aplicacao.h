#pragma once

class QApplication;

// The application's identity and language, set once before any window opens.
void configuraAplicacao(QApplication &app);
