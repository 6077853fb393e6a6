// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Turns the readable UTF-8 sources of Vistral's texts into the Windows-1252 files the
// program reads: fixed 5120-byte interpretation records, or CR LF line files (tips).
// It works on texts in memory and knows nothing of file names or of which record a
// report reads; the build tool around it does the file work.
namespace montagem {

inline constexpr qsizetype TamanhoRegistro = 5120;

struct Resultado
{
    QByteArray dados; // the bytes of the output file when `erro` is empty
    QString erro; // the first fault found, with its source line, in Portuguese
    bool ok() const { return erro.isEmpty(); }
};

// `@n` lines open record n; the lines under it are joined with one blank, and an empty line
// between paragraphs becomes CR LF. Record n lands at (n - 1) * 5120, blank-padded.
Resultado montaRegistros(const QString &fonte);

// One output line (CR LF) per source line that is neither empty nor a `#` comment.
Resultado montaLinhas(const QString &fonte);

} // namespace montagem
