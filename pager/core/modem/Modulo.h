// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ArquivoIni;
class CaixaMensagem;
class LinhaSerial;
class PainelStatus;
class Relogio;

// The modem procedures: open the port, initialise the modem, dial the paging service,
// read its result codes, pause, drain the input and hang up. Every procedure reads its
// settings from the settings file when it runs, so a dialog's change counts at the next
// call. It owns nothing: the line (the main window's `Modem`), the clock, the message box
// and the status line are lent to it, so the transmission can share them and tests can
// pass scripted ones. It does not decide what the program does after a failure.
class Modulo
{
public:
    Modulo(ArquivoIni &ini, LinhaSerial &modem, Relogio &relogio, CaixaMensagem &caixa,
        PainelStatus &status);

    // The port number 1 to 4 (0 when the setting is missing or not a number).
    int NumeroPorta() const { return m_numeroPorta; }
    void DefineNumeroPorta(int numero) { m_numeroPorta = numero; }
    // The port 1 to 4 that "Porta Serial" of "MODEM" names now (0: none).
    int PortaDasConfiguracoes() const;

    // The device of port 1 to 4: keys "COM1".."COM4" of "MODEM", else /dev/ttyS0..3;
    // empty for any other number.
    QString DispositivoDaPorta(int numero) const;

    // Opens the port NumeroPorta with "Configurações" of "MODEM". No message here: when it
    // fails, `motivo` gets the line's reason (empty when no port 1 to 4 is chosen).
    bool ConfiguraModem(QString *motivo = nullptr);

    // "Inicialização" (default "ATZ") and "ate0", each awaited for 4 s; a missing "OK"
    // shows the time-out message and the procedure goes on. It stops, silent, once the line
    // is closed or lost. Nothing on a gateway line.
    void InicializaModem();

    // Waits up to `segundos` for `texto` in a fresh buffer, without processing events.
    bool AguardaResposta(const QByteArray &texto, double segundos);

    // The wait under every reply wait of the program: appends the line's input to
    // `buffer` until it holds any of `textos` or `segundos` have passed, processing window
    // events meanwhile or not. True when a text was seen and the time is not over at the
    // end (a text arriving at the very last instant counts as a time-out). A line that
    // vanishes, or floods the buffer with none of the texts, ends the wait at once, as a
    // failure.
    bool AguardaTextos(
        QByteArray &buffer, const QList<QByteArray> &textos, double segundos, bool processaEventos);

    // Pauses for `segundos` while window events are processed.
    void Espera(double segundos);

    // Reads and discards the input until nothing more waits, or a bounded amount has gone.
    void LimpaEntrada();

    // Dials the paging service (on a gateway line: connects to it, within the same 60 s);
    // true when connected. Shows every failure itself, and puts the text shown in `motivo`,
    // except a line that vanished meanwhile: that is the caller's to tell (Modem().perdida()),
    // and `motivo` stays empty.
    bool Discar(QString *motivo = nullptr);

    // Waits up to 60 s (events processed, hourglass shown) for a result code; returns a
    // CodigoDiscagem (-1 when none came).
    int AguardaConexao();

    // Hangs up: "+++", 3 s, "ATH0", 2 s, drain, 0.1 s; status texts; checks nothing.
    // A gateway line is closed at once instead.
    void Desconectar();

    // Writes a text as Windows-1252 bytes.
    bool Escreve(const QString &texto);

    LinhaSerial &Modem() { return m_modem; }
    Relogio &relogio() { return m_relogio; }
    ArquivoIni &ini() { return m_ini; }
    CaixaMensagem &caixa() { return m_caixa; }
    PainelStatus &status() { return m_status; }

private:
    // The limit a dial result, or a gateway's connection, is awaited for.
    static constexpr double kEsperaConexao = 60.0;

    void avisaTimeOutModem(QString *motivo = nullptr);
    // Awaits "OK" for 4 s; a time-out message unless the line is closed or lost.
    bool aguardaOk(QString *motivo = nullptr);
    // The same steps on a line without a modem (a TAP gateway): connect within the dial
    // limit, close at once (ModuloGateway.cpp).
    bool ConectaGateway(QString *motivo);
    void DesconectaGateway();

    ArquivoIni &m_ini;
    LinhaSerial &m_modem;
    Relogio &m_relogio;
    CaixaMensagem &m_caixa;
    PainelStatus &m_status;
    int m_numeroPorta = 0;
};
