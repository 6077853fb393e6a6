// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The test's end of the line: opens the simulator's terminal as a serial client would and
// waits (in poll, never spinning) for what it answers.
class ClientePty
{
public:
    explicit ClientePty(const QString &caminho);
    ~ClientePty();
    ClientePty(const ClientePty &) = delete;
    ClientePty &operator=(const ClientePty &) = delete;

    bool aberto() const { return descritor >= 0; }
    void envia(const QByteArray &bytes);
    // Everything received until `esperado` shows up or `ms` pass (then whatever came).
    QByteArray ate(const QByteArray &esperado, int ms = 15000);
    // Everything received during `ms`.
    QByteArray durante(int ms);

private:
    int descritor = -1;
};
