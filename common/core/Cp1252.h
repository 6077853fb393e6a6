// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Conversion between the Windows-1252 bytes of the files, the modem line and the
// network request, and the QString used inside the programs. Kept as our own table:
// Qt's converters do not guarantee this code page on every build.
namespace cp1252 {

// True when the character has a Windows-1252 byte (the five unassigned codes have none).
bool representavel(char16_t c);
bool representavel(const QString &texto);

// Each character becomes its byte; a character outside the code page becomes `substituto`.
QByteArray codifica(const QString &texto, char substituto = '?');

// Each byte becomes its character; the five unassigned bytes map to U+FFFD.
QString decodifica(const QByteArray &bytes);

} // namespace cp1252
