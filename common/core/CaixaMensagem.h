// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one way the programs' logic shows a message box or asks a Yes/No question.
// The forms pass the Qt implementation (CaixaMensagemQt); tests pass a
// CaixaMensagemGravada, which records every box and answers from a script.
class CaixaMensagem
{
public:
    enum class Icone { Nenhum, Critico, Exclamacao, Informacao, Pergunta };
    enum class Botoes { Ok, SimNao };
    enum class Resposta { Ok, Sim, Nao };

    virtual ~CaixaMensagem() = default;

    // Shows a modal box and returns the button the user pressed.
    virtual Resposta mostra(const QString &titulo, const QString &texto, Icone icone,
                            Botoes botoes = Botoes::Ok) = 0;

    Resposta pergunta(const QString &titulo, const QString &texto, Icone icone = Icone::Pergunta)
    {
        return mostra(titulo, texto, icone, Botoes::SimNao);
    }
};
