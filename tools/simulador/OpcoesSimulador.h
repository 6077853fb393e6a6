// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// What the simulator is told on its command line: where to put its files and which
// misbehaviour of the modem or the paging service to play. Plain values, no behaviour.
struct OpcoesSimulador
{
    enum class Discagem { Conecta, Ocupado, SemTom, SemPortadora };

    QString link; // symbolic link to the terminal side, empty for none
    QString log; // JSON-lines file, empty for none
    int tempoLimiteS = 0; // ends by itself after this many seconds; 0 = never
    Discagem discagem = Discagem::Conecta;
    bool mudo = false; // the modem answers nothing at all
    bool semId = false; // the service never prompts "ID="
    bool semAckLogon = false;
    int naks = 0; // NAKs for each block before it is judged
    QSet<QByteArray> recusados; // pager codes the service refuses
    int silenciaApos = -1; // after this many blocks the service answers nothing more
    int desconectaApos = -1; // after this many blocks the service hangs up (ESC EOT CR)
    int caiApos = -1; // after this many blocks the call drops without a word
    int blocoMax = 0; // blocks longer than this between STX and terminator are refused; 0 = any
    int atrasoMs = 0; // delay of every reply of the service
    int cps = 0; // characters a second the simulator sends; 0 = no limit
    int tempoDiscagemMs = 500;
    int guardaMs = 1000; // silence after "+++" that returns to command mode
    int portaTcp = -1; // serves the terminal on this loopback TCP port too (0: any); -1 none
};

struct LeituraOpcoes
{
    std::optional<OpcoesSimulador> opcoes; // empty when the program must stop at once
    QString mensagem; // help text, or the error to print
    bool erro = false;
};

// Reads the command line (arguments[0] is the program name).
LeituraOpcoes leOpcoes(const QStringList &argumentos);
