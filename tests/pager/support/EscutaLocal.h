// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A listening TCP socket on the loopback address, for the gateway line's tests: it accepts
// only when asked, so up to `fila` callers wait in its queue and the next ones hang in the
// connection; closed, its port is one nobody listens on.
class EscutaLocal
{
public:
    explicit EscutaLocal(int fila = 4);
    ~EscutaLocal() { fecha(); }
    EscutaLocal(const EscutaLocal &) = delete;
    EscutaLocal &operator=(const EscutaLocal &) = delete;

    // The next caller's descriptor (the test closes it), or -1.
    int aceita();
    void fecha();
    // "tcp:HOST:PORT", the device text of this port.
    QString endereco(const QString &host = QStringLiteral("127.0.0.1")) const;

private:
    int m_fd = -1;
    int m_porta = 0;
};
