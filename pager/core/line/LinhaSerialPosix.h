// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinhaSerial.h"

// The serial line on a POSIX terminal device (termios): a real port, a USB modem or a
// pseudo-terminal standing in for one. The device is taken exclusively (TIOCEXCL and an
// flock), so a second program, or a second Tellumo, cannot open it at the same time.
// Parity and the RTS line are asked for but not required: a pseudo-terminal keeps no
// parity and has no RTS line, and that is no error. All waits block in poll(); nothing
// here spins. Not thread-safe: one thread owns the line.
class LinhaSerialPosix : public LinhaSerial
{
public:
    LinhaSerialPosix() = default;
    ~LinhaSerialPosix() override;
    LinhaSerialPosix(const LinhaSerialPosix &) = delete;
    LinhaSerialPosix &operator=(const LinhaSerialPosix &) = delete;

    bool abre(const QString &dispositivo, const QString &configuracoes) override;
    void fecha() override;
    bool aberta() const override { return m_fd >= 0; }
    bool escreve(const QByteArray &bytes) override;
    QByteArray le() override;
    int aguardando() override;
    bool aguardaEntrada(int milissegundos) override;
    bool perdida() const override { return m_perdida; }
    int descritor() const override { return m_fd; }
    QString erro() const override { return m_erro; }

private:
    bool falha(const QString &texto);
    void marcaPerdida(int codigoErro);

    int m_fd = -1;
    bool m_perdida = false;
    bool m_exclusiva = false; // this line set the device's exclusive mark
    QString m_erro;
};
