// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Where the message goes: the maker's web server and the message box on it.
// The program's own values are fixed at build time (servidorPadrao); tests make their own.
struct Servidor
{
    QByteArray host; // resolved for the connection and named in the referer header
    quint16 porta = 80; // TCP port
    QByteArray identificador; // five decimal digits naming the maker's message box
};

// The server this copy of the program was built for.
Servidor servidorPadrao();
