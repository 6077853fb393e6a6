// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrigemRelatorio.h"

#include <QPrinter>
#include <functional>
#include <memory>

class CaixaMensagem;

// The printing command of the main window: checks that there is a report, prints it
// with the footer on the printer it is given, with the status texts and the hourglass
// pointer, and tells the user when the printer is missing or the job fails.
// It knows nothing of windows: the main window hands it the active report.
class ComandoImprimir
{
public:
    // Gives the printer to print on; nullptr when there is none.
    using Impressora = std::function<std::unique_ptr<QPrinter>()>;
    using Status = std::function<void(const QString &)>;

    ComandoImprimir(CaixaMensagem &caixa, Status status, Impressora impressora = padrao);

    // The system's default printer, or nullptr when none is configured.
    static std::unique_ptr<QPrinter> padrao();

    // True when the report went to the printer.
    bool imprime(const OrigemRelatorio &origem);

private:
    CaixaMensagem &m_caixa;
    Status m_status;
    Impressora m_impressora;
};
