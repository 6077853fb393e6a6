// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The blocks of the paging protocol (TAP) for one pager, and their checksum, on the bytes
// that go on the line (Windows-1252, codes 0 to 255). It neither checks the pager code nor
// the characters of the text, and does no input or output: the transmission appends the
// checksum and a CR and writes the line.
namespace FuncoesTAP {

// The protocol's control characters, one byte each.
inline const QByteArray STX(1, '\x02');
inline const QByteArray ETX(1, '\x03');
inline const QByteArray EOT(1, '\x04');
inline const QByteArray ACK(1, '\x06');
inline const QByteArray CR(1, '\x0d');
inline const QByteArray NAK(1, '\x15');
inline const QByteArray ESC(1, '\x1b');
inline const QByteArray RS(1, '\x1e');
inline const QByteArray US(1, '\x1f');

// The longest text a page carries.
inline constexpr qsizetype TamanhoMaximoTexto = 240;
// The most characters TAP 1.8 allows between a block's STX and its terminator.
inline constexpr qsizetype TamanhoMaximoBloco = 250;

// STX + code + CR + text + CR + ETX into `bloco`, true; a text longer than 240 bytes gives
// false and leaves `bloco` as it was.
bool MontaBlocoTAP(const QByteArray &codigoPager, const QByteArray &texto, QByteArray &bloco);

// The same page in blocks of at most TamanhoMaximoBloco characters between STX and the
// terminator: one block (as MontaBlocoTAP) when it fits; otherwise every block but the last
// ends with US, the field going on right after the next block's STX, and the last keeps at
// least one character of the field before its CR ETX. Each block runs from STX through its
// terminator. False, `blocos` untouched, for a text MontaBlocoTAP refuses.
bool MontaBlocosTAP(const QByteArray &codigoPager, const QByteArray &texto, QByteArrayList &blocos);

// The three checksum characters of `bloco` (every byte from STX through ETX): the low 12
// bits of the byte sum, four bits a character from the highest, each added to '0', so
// they run from "0" to "?". Always true.
bool CalculaChecksum(const QByteArray &bloco, QByteArray &checksum);

// One checksum character of `soma`: group 1 = bits 0-3, group 2 = bits 4-7, group 3 =
// bits 8-11, each added to '0'; any other group gives '0'.
char DigitoChecksum(int soma, int grupo);

} // namespace FuncoesTAP
