// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OpcoesSimulador.h"
#include "RegistroEventos.h"

#include <QByteArray>
#include <QByteArrayView>

// The paging company's terminal as it answers a caller once the modems are connected: TAP 1.8
// in automatic mode, one page (pager code and one field of text) a transaction, in one block
// or in several, each but the last ending with US and the field going on in the next. Bytes
// in, bytes out; it knows nothing of time or of the modem (delays and the line speed are the
// modem's business). It does not speak manual mode or passwords it would check.
class TerminalTap
{
public:
    struct Resposta
    {
        QByteArray bytes;
        bool desliga = false; // the service hangs up after sending these bytes
    };

    TerminalTap(const OpcoesSimulador &opcoes, RegistroEventos &registro);

    Resposta recebe(QByteArrayView bytes);
    // A new call starts from the "ID=" prompt with every count cleared.
    void reinicia();

private:
    enum class Estado { AguardaLogon, Sessao, Encerrada };

    void trataLinhaAntesDoLogon(const QByteArray &linha, Resposta &resposta);
    // Takes one complete block or log-off from the head of the buffer; false when none is there.
    bool trataSessao(Resposta &resposta);
    void julgaBloco(const QByteArray &bloco, const QByteArray &conferencia, Resposta &resposta);
    void recusa(
        const QByteArray &codigo, const QByteArray &texto, const char *linha, Resposta &resposta);

    const OpcoesSimulador &opcoes;
    RegistroEventos &registro;
    Estado estado = Estado::AguardaLogon;
    QByteArray buffer;
    int blocosJulgados = 0;
    int naksDoBloco = 0;
    QByteArray camposAnteriores; // the page's fields from the blocks ended with US so far
    bool silencioAnotado = false;
};
