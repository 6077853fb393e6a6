// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaixaMensagem.h"
#include "Diario.h"
#include "core/modem/PainelStatus.h"

// What the modem procedures would show on a desk, written to the service's log instead, as
// part of the dialogue (--verbose): the delivery logs each page's outcome and reason itself.
// Nobody is there to answer a question: it is answered "Não".
class CaixaDoDiario : public CaixaMensagem
{
public:
    Resposta mostra(const QString &titulo, const QString &texto, Icone, Botoes botoes) override
    {
        if (diario::Detalhado())
            diario::Escreve(diario::Prioridade::Depuracao, titulo + QLatin1Char(' ') + texto);
        return botoes == Botoes::SimNao ? Resposta::Nao : Resposta::Ok;
    }
};

class PainelDoDiario : public PainelStatus
{
public:
    // Shown at every page: nothing is made of it unless the dialogue is logged.
    void mostraStatus(const QString &texto) override
    {
        if (diario::Detalhado())
            diario::Escreve(diario::Prioridade::Depuracao, texto.trimmed());
    }
};
