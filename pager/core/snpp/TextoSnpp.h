// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// How the bytes an SNPP client sends become text, and how HOLD's time is read. Pure
// functions: the session decides when to apply them.
namespace TextoSnpp {

// The bytes as UTF-8 when they are valid UTF-8, else as Windows-1252 (older clients send
// their code page as it stands).
QString Decodifica(const QByteArray &bytes);

// The message as the compose window would hold it: every line break (CR LF, CR, LF or a
// Unicode line or paragraph separator) one LF, and the other control characters blanks, so no raw
// control reaches the queue.
QString Normaliza(const QString &texto);

// HOLD's argument "YYMMDDHHMMSS [+/-GMT]" (seconds may be left out) as a time in UTC. The
// offset is in hours, "+H", "-HH" or "-HHMM"; without it the time is the service's local
// time. Nothing when the text is not such a time.
std::optional<QDateTime> HoraDeEntrega(const QString &argumento);

} // namespace TextoSnpp
