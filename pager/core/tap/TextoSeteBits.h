// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What the modem line can carry of a typed text. The line runs with 7 data bits and the
// paging service sums 7-bit values for the checksum, so a byte of 128 or more arrives
// changed and the block is refused for ever; a CR inside the text breaks the block apart.
// These functions turn a text into printable ASCII only, one character for one character
// (a CR LF pair counts as one line break). They do not touch what is stored in the Log.
namespace TextoSeteBits {

// The text as it goes on the line: accented letters become their plain letters (Ô -> O,
// à -> a, ü -> u, ç -> c), line breaks and other control characters become blanks, and
// every other character outside printable ASCII (€, «, ß, emoji ...) becomes "?".
QByteArray ParaLinha(const QString &texto);

// The text without blanks at either end (only blanks: other characters are kept).
QString Apara(const QString &texto);

} // namespace TextoSeteBits
