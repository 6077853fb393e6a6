// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Servidor.h"

#include <QByteArray>
#include <QString>

// The request that carries the message: an HTTP/1.0 GET with the text as a query
// parameter. Pure functions; nothing here touches the network.

// Longest text the dialog lets through, and the shortest it sends.
inline constexpr int LimiteMensagem = 200;
inline constexpr int MinimoMensagem = 5;

// The text as the server expects it: Windows-1252 bytes, each blank as "+", each "?" as
// "!", everything printable as it is (accented letters, "+", "&" and "%" included).
// A line break (CR LF, LF or CR) is sent as "%0D%0A" and any other control character as
// "%XX", so typed text can never end the request line or add headers. A character that
// Windows-1252 cannot hold is sent as a question mark would be.
QByteArray codificaMensagem(const QString &texto);

// The whole request, byte for byte: request line, the referer header, the empty line.
// Line ends are a single LF; there is no Host header and no body.
QByteArray montaPedido(const Servidor &servidor, const QByteArray &mensagemCodificada);
