// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaixaMensagem.h"
#include "Conexao.h"
#include "Servidor.h"

#include <QString>
#include <functional>

// Sends the one message of a run: connects when asked, checks the text, asks for
// confirmation, sends the request, closes and thanks. It shows its own messages through
// the message-box seam and tells the dialog whether to stay open. It never retries and
// never reads the server's answer.
class Remetente
{
public:
    enum class Desfecho { Fica, Termina };

    Remetente(Conexao &conexao, CaixaMensagem &caixa, Servidor servidor);

    // Opens the connection; on failure shows why and returns false.
    bool conecta();
    // The same without blocking: returns at once; later, on `contexto`'s event loop, shows
    // why a failed opening failed and then calls `pronto` with whether it is connected.
    void conectaSemBloquear(QObject *contexto, std::function<void(bool)> pronto);

    // What "&Enviar" does with the text as typed: refuses a short text, asks, sends.
    // `Fica` when the user should go on editing; `Termina` once a send was attempted.
    Desfecho confirmaEEnvia(const QString &texto);

    // Closes the connection (also when the program ends without sending).
    void fecha();

    const Servidor &servidor() const { return m_servidor; }

private:
    // Shows the messages of a failed opening; true when it succeeded.
    bool relata(const Conexao::Resultado &r);

    Conexao &m_conexao;
    CaixaMensagem &m_caixa;
    Servidor m_servidor;
};
