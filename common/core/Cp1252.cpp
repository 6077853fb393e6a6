// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

namespace {

// Characters of bytes 0x80..0x9F; 0 marks the unassigned ones.
constexpr char16_t kAlto[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kAlto[i] != 0 && kAlto[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace cp1252 {

bool representavel(char16_t c)
{
    return byteDe(c) >= 0;
}

bool representavel(const QString &texto)
{
    for (QChar c : texto) {
        if (!representavel(c.unicode()))
            return false;
    }
    return true;
}

QByteArray codifica(const QString &texto, char substituto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (QChar c : texto) {
        const int b = byteDe(c.unicode());
        saida.append(b >= 0 ? static_cast<char>(b) : substituto);
    }
    return saida;
}

QString decodifica(const QByteArray &bytes)
{
    QString saida;
    saida.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            saida.append(QChar(kAlto[b - 0x80] != 0 ? kAlto[b - 0x80] : char16_t{0xFFFD}));
        else
            saida.append(QChar(char16_t{b}));
    }
    return saida;
}

} // namespace cp1252
