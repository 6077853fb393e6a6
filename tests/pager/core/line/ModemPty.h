// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QMutex>
#include <QString>
#include <atomic>
#include <thread>

// A tiny Hayes modem on the master side of a pseudo-terminal, in its own thread: the
// program opens the slave side (nome()) as its serial port. Each command line ended by CR
// is recorded and answered "OK", and a dial command ("ATD...") with `respostaDiscagem`
// after `atrasoDiscagemMs`. desliga() closes the master: the line vanishes.
class ModemPty
{
public:
    explicit ModemPty(
        QByteArray respostaDiscagem = "\r\nCONNECT 9600\r\n", int atrasoDiscagemMs = 300);
    ~ModemPty();

    QString nome() const { return m_nome; }
    bool pronto() const { return m_mestre >= 0; }
    QByteArrayList comandos();
    void desliga();

private:
    void roda();

    int m_mestre = -1;
    QString m_nome;
    QByteArray m_respostaDiscagem;
    int m_atrasoDiscagemMs;
    std::atomic<bool> m_parar{false};
    QMutex m_trava;
    QByteArrayList m_comandos;
    std::thread m_fio;
};
