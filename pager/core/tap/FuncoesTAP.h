#pragma once

#include <QByteArray>

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

// The longest text one block carries.
inline constexpr qsizetype TamanhoMaximoTexto = 240;

// STX + code + CR + text + CR + ETX into `bloco`, true; a text longer than 240 bytes gives
// false and leaves `bloco` as it was.
bool MontaBlocoTAP(const QByteArray &codigoPager, const QByteArray &texto, QByteArray &bloco);

// The three checksum characters of `bloco` (every byte from STX through ETX): the low 12
// bits of the byte sum, four bits a character from the highest, each added to '0', so
// they run from "0" to "?". Always true.
bool CalculaChecksum(const QByteArray &bloco, QByteArray &checksum);

// One checksum character of `soma`: group 1 = bits 0-3, group 2 = bits 4-7, group 3 =
// bits 8-11, each added to '0'; any other group gives '0'.
char DigitoChecksum(int soma, int grupo);

} // namespace FuncoesTAP
