// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OpcoesSimulador.h"
#include "RegistroEventos.h"
#include "SaidaCompassada.h"
#include "TerminalTap.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// A Hayes-compatible modem as seen from the computer's serial port, with the paging terminal
// at the other end of every call that connects. The caller feeds it what the computer writes
// (recebe), lets time pass (avanca) and collects what the modem sends back (retira); every
// call carries the current time in milliseconds, so tests drive it with a virtual clock.
// It strips bit 7 of every byte, as a 7-data-bit line does. The "+++" escape only needs the
// guard time of silence after it, not before, since the dialer in front of it sends its
// escape right after its last line.
class ModemHayes
{
public:
    ModemHayes(const OpcoesSimulador &opcoes, RegistroEventos &registro);

    void recebe(QByteArrayView bytes, qint64 agora);
    void avanca(qint64 agora);
    QByteArray retira(qint64 agora);
    // The next moment at which avanca or retira has something to do.
    std::optional<qint64> proximoPrazo() const;

    bool conectado() const { return chamada; }
    bool emModoDeDados() const { return modo == Modo::Dados; }

private:
    enum class Modo { Comando, Discando, Dados };

    void recebeComando(char c, qint64 agora);
    void recebeDados(char c, qint64 agora);
    void executa(const QByteArray &linha, qint64 agora);
    enum class Desfecho { Ok, Erro, Discando, VoltaADados };
    Desfecho interpreta(const QByteArray &comandos);
    void terminaDiscagem(qint64 agora);
    void anotaDiscagem(const char *resultado);
    void desliga(const char *motivo);
    void resultado(const char *texto, qint64 agora);

    const OpcoesSimulador &opcoes;
    RegistroEventos &registro;
    TerminalTap terminal;
    SaidaCompassada saida;
    Modo modo = Modo::Comando;
    bool chamada = false;
    bool eco = true;
    int nivelX = 4;
    QByteArray linha;
    QByteArray discagem; // the dial command being played
    qint64 fimDiscagem = 0;
    int sinaisMais = 0; // consecutive "+" received in data mode
    std::optional<qint64> fimGuarda;
};
