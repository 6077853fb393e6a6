#pragma once

#include <QByteArray>
#include <QString>

// The serial line the modem hangs on, as the modem procedures and the transmission see it:
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
    // closed or has vanished.
    virtual bool escreve(const QByteArray &bytes) = 0;

    // Everything that has arrived and was not read yet; empty when nothing has. Consumes it.
    virtual QByteArray le() = 0;

    // How many received bytes wait unread.
    virtual int aguardando() = 0;

    // Blocks until input waits or `milissegundos` pass, without processing window events.
    // True when input waits. Returns at once when the line is closed or has vanished.
    virtual bool aguardaEntrada(int milissegundos) = 0;

    // True once the line has vanished; stays true until the next abre().
    virtual bool perdida() const = 0;

    // A descriptor that becomes readable when input arrives, for waits that keep the
    // event loop running; -1 when there is none.
    virtual int descritor() const { return -1; }

    virtual QString erro() const { return {}; }
};
