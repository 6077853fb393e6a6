// SPDX-License-Identifier: GPL-3.0-or-later
// The text as it goes on the modem line: printable 7-bit ASCII only, one character for one
// character (a CR LF pair is one line break), printable ASCII as typed, every other
// character a blank, a plain letter or "?"; and the trimming of blanks.
//
// Input: the text (as in fuzz::texto).
#include "Entrada.h"
#include "core/tap/TextoSeteBits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QString texto = fuzz::texto(
        QByteArray(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho)));
    const QByteArray linha = TextoSeteBits::ParaLinha(texto);
    for (const char c : linha)
        EXIGE(c >= 0x20 && c < 0x7f);

    const QList<uint> pontos = texto.toUcs4();
    qsizetype j = 0;
    for (qsizetype i = 0; i < pontos.size(); ++i, ++j) {
        EXIGE(j < linha.size());
        const uint c = pontos.at(i);
        if (c == '\r' && i + 1 < pontos.size() && pontos.at(i + 1) == '\n')
            ++i;
        if (c >= 0x20 && c < 0x7f)
            EXIGE(linha.at(j) == static_cast<char>(c));
        else if (c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029)
            EXIGE(linha.at(j) == ' ');
        else
            EXIGE(linha.at(j) == '?' || QChar::isLetter(static_cast<char32_t>(linha.at(j))));
    }
    EXIGE(j == linha.size());

    const QString aparado = TextoSeteBits::Apara(texto);
    EXIGE(!aparado.startsWith(QLatin1Char(' ')) && !aparado.endsWith(QLatin1Char(' ')));
    EXIGE(texto.contains(aparado));
    EXIGE(QString(texto).remove(QLatin1Char(' ')) == QString(aparado).remove(QLatin1Char(' ')));
    return 0;
}
