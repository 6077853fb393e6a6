#pragma once

#include "DependenciasDaJanela.h"

#include <functional>

class Diretorio;

// What the groups windows borrow from the main window: besides the message box, status
// line and dialog runner, the system beep (tests count it) and the one way they report a
// failed statement.
struct AmbienteJanela : DependenciasDaJanela
{
    std::function<void()> bipe; // empty: QApplication::beep()

    void Bipe() const;

    // Shows why a statement failed ("Erro:", information icon); the window goes on.
    void MostraFalha(const Diretorio &diretorio) const;
};
