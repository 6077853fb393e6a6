// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The serial line the modem hangs on, as the modem procedures and the transmission see it
// (or, in its place, a TCP connection to the paging company's TAP gateway, LinhaTcp):
// open with a device path and a settings text, write bytes, read whatever has arrived,
// count what waits, block until input arrives, and tell when the line has vanished
// (device unplugged, the other end of a pseudo-terminal closed).
// It knows nothing of modems or of time beyond a single bounded wait; the waits with a
// deadline and the event processing belong to the Relogio.
class LinhaSerial
{
public:
    virtual ~LinhaSerial() = default;

    // Opens `dispositivo` with the settings text (e.g. "9600,e,7,1": rate, parity letter
    // n/e/o/m/s, data bits, stop bits), RTS/CTS handshake and RTS raised. False when the
    // device is missing, is no terminal, is held by another program, or the text is bad;
    // `erro()` then says why. Opening an open line closes it first.
    virtual bool abre(const QString &dispositivo, const QString &configuracoes) = 0;
    virtual void fecha() = 0;
    virtual bool aberta() const = 0;

    // Writes every byte (waiting briefly when the line is full). False when the line is
    // closed or has vanished; a line whose output stays full for kEsperaSaidaMs has.
    virtual bool escreve(const QByteArray &bytes) = 0;
    static constexpr int kEsperaSaidaMs = 5000;

    // What has arrived and was not read yet, at most kMaximoLeitura bytes (the rest waits
    // for the next call: a flooding other end cannot hold a read up or fill the memory);
    // empty when nothing has. Consumes it.
    virtual QByteArray le() = 0;
    static constexpr int kMaximoLeitura = 64 * 1024;

    // How many received bytes wait unread.
    virtual int aguardando() = 0;

    // Blocks until input waits or `milissegundos` pass, without processing window events.
    // True when input waits. Returns at once when the line is closed or has vanished.
    virtual bool aguardaEntrada(int milissegundos) = 0;

    // True once the line has vanished; stays true until the next abre().
    virtual bool perdida() const = 0;
    // Nothing more can pass: closed (the program is ending) or vanished. Waits and
    // procedures stop then, without a time-out message of their own.
    bool fechadaOuPerdida() const { return !aberta() || perdida(); }

    // A descriptor that becomes readable when input arrives, for waits that keep the
    // event loop running; -1 when there is none.
    virtual int descritor() const { return -1; }

    virtual QString erro() const { return {}; }

    // A line that reaches the paging service without a modem (a TAP gateway over TCP) says
    // so here: the modem procedures then send no AT commands, connect in place of dialing
    // and close the connection in place of hanging up. Modem lines keep the defaults below.
    virtual bool temModem() const { return true; }

    enum class Conexao { Nenhuma, EmCurso, Feita, Falhou };

    // Starts reaching the gateway named at abre() and returns at once; the attempt (name
    // look-up included) goes on by itself. While it does, the descriptor becomes readable
    // and aguardaEntrada() returns when it settles, so the ordinary waits serve for it.
    virtual void conecta() { }
    // Where the attempt stands; after Falhou, erro() says why in Portuguese.
    virtual Conexao conexao() { return Conexao::Nenhuma; }
    // Ends the connection, or gives up the attempt, at once. The line stays open for the
    // next conecta().
    virtual void desconecta() { }
};
