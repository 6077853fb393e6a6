#pragma once

#include "CaixaMensagem.h"
#include "Conexao.h"
#include "Servidor.h"

#include <QString>

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

    // What "&Enviar" does with the text as typed: refuses a short text, asks, sends.
    // `Fica` when the user should go on editing; `Termina` once a send was attempted.
    Desfecho confirmaEEnvia(const QString &texto);

    // Closes the connection (also when the program ends without sending).
    void fecha();

    const Servidor &servidor() const { return m_servidor; }

private:
    Conexao &m_conexao;
    CaixaMensagem &m_caixa;
    Servidor m_servidor;
};
