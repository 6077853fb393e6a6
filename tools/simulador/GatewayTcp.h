// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OpcoesSimulador.h"
#include "RegistroEventos.h"
#include "SaidaCompassada.h"
#include "TerminalTap.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct pollfd;

// The paging terminal offered as a TAP gateway on a TCP port of the loopback address: one
// caller at a time (the next ones wait in the listen queue), each connection a fresh call
// from the "ID=" prompt, with the same misbehaviours as on the modem line. There is no modem:
// a dial failure option (--ocupado, --sem-tom, --sem-portadora) makes the gateway close each
// connection as soon as it accepts it, --mudo makes it accept and answer nothing, and the
// terminal hanging up closes the connection once its last bytes have gone.
class GatewayTcp
{
public:
    GatewayTcp(const OpcoesSimulador &opcoes, RegistroEventos &registro);
    ~GatewayTcp();
    GatewayTcp(const GatewayTcp &) = delete;
    GatewayTcp &operator=(const GatewayTcp &) = delete;

    // Listens on 127.0.0.1:porta (0: a free port the system picks).
    bool abre(int porta, QString &erro);
    // "tcp:127.0.0.1:PORT", the device text a client puts in its settings.
    QString endereco() const;

    // The descriptor the loop waits on now, and for what; then what it reported.
    void preenche(pollfd &fd) const;
    void trata(const pollfd &fd, qint64 agora);
    // Sends what is due; closes the call once the terminal hung up and all has gone.
    void avanca(qint64 agora);
    std::optional<qint64> proximoPrazo() const;

private:
    void aceita(qint64 agora);
    void encerra(const char *motivo);

    const OpcoesSimulador &opcoes;
    RegistroEventos &registro;
    TerminalTap terminal;
    SaidaCompassada saida;
    int escuta = -1;
    int conexao = -1;
    int porta = 0;
    bool desligando = false; // the terminal hung up: close once the output is out
    QByteArray pendente; // taken from `saida`, not yet accepted by the socket
};
