// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 conversion: one character for one byte both ways; bytes come back
// through a decode and an encode, except the five unassigned ones, which become "?"; a
// text comes back through an encode and a decode exactly when the code page holds it.
//
// Input: bytes, also read as a text (fuzz::texto).
#include "Cp1252.h"
#include "Entrada.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    const QString decodificado = cp1252::decodifica(bytes);
    EXIGE(decodificado.size() == bytes.size());
    QByteArray esperado = bytes;
    bool atribuidos = true;
    for (char &c : esperado) {
        if (QByteArrayView("\x81\x8d\x8f\x90\x9d").contains(c)) {
            c = '?';
            atribuidos = false;
        }
    }
    EXIGE(cp1252::codifica(decodificado) == esperado);
    EXIGE(cp1252::representavel(decodificado) == atribuidos);

    const QString texto = fuzz::texto(bytes);
    const QByteArray codificado = cp1252::codifica(texto, '#');
    EXIGE(codificado.size() == texto.size());
    EXIGE((cp1252::decodifica(codificado) == texto) == cp1252::representavel(texto));
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        EXIGE(cp1252::representavel(c.unicode())
            == (codificado.at(i) != '#' || c == QLatin1Char('#')));
        if (c.unicode() < 0x80)
            EXIGE(codificado.at(i) == static_cast<char>(c.unicode()));
    }
    return 0;
}
