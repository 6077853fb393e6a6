// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Lookup of the interpretation texts: fixed 5120-byte records of Windows-1252 text, padded
// with blanks, in data files of the program folder. Every call opens, reads and closes the
// file again; nothing is cached. It reports no error: a missing file, a record past the end
// of the file or a record number below 1 gives an empty text, so a report keeps its layout.
namespace Variaveis_Globais {

inline constexpr int TamanhoRegistro = 5120;

// Text of record `registro` (the first record is 1) of `arquivo` in `pastaPrograma`, without
// the blanks at its two ends; line breaks and other characters inside are left as they are.
QString LeInterpretacao(int registro, const QString &arquivo, const QString &pastaPrograma);

} // namespace Variaveis_Globais

// Names of the interpretation files, as they lie in the program folder.
namespace ArquivoInterpretacao {
inline const QString CDATA = QStringLiteral("CDATA.DAT");
inline const QString CVIDA = QStringLiteral("CVIDA.DAT");
inline const QString CFORM = QStringLiteral("CFORM.DAT");
inline const QString CPROD = QStringLiteral("CPROD.DAT");
inline const QString CCOLH = QStringLiteral("CCOLH.DAT");
inline const QString CDNAS = QStringLiteral("CDNAS.DAT");
inline const QString DESNASC = QStringLiteral("DESNASC.DAT");
inline const QString PRESNASC = QStringLiteral("PRESNASC.DAT");
inline const QString APICES = QStringLiteral("APICES.DAT");
inline const QString DESVIDA = QStringLiteral("DESVIDA.DAT");
inline const QString INDSAUDE = QStringLiteral("INDSAUDE.DAT");
inline const QString INTANOUN = QStringLiteral("INTANOUN.DAT");
inline const QString INTMESUN = QStringLiteral("INTMESUN.DAT");
inline const QString INTDIAUN = QStringLiteral("INTDIAUN.DAT");
inline const QString INTANOPS = QStringLiteral("INTANOPS.DAT");
inline const QString INTMESPS = QStringLiteral("INTMESPS.DAT");
inline const QString INTDIAPS = QStringLiteral("INTDIAPS.DAT");
inline const QString INTEXEXP = QStringLiteral("INTEXEXP.DAT");
inline const QString IMPXALMA = QStringLiteral("IMPXALMA.DAT");
inline const QString EUXSILEN = QStringLiteral("EUXSILEN.DAT");
inline const QString INTVOG = QStringLiteral("INTVOG.DAT");
inline const QString INTNOME = QStringLiteral("INTNOME.DAT");
inline const QString INTREALI = QStringLiteral("INTREALI.DAT");
} // namespace ArquivoInterpretacao
