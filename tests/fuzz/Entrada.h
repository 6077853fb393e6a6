// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: how the bytes of an input become the values the target
// needs, and the check that stops the run (libFuzzer then keeps the input) when an
// invariant breaks.
namespace fuzz {

[[noreturn]] inline void falha(const char *condicao, const char *arquivo, int linha)
{
    std::fprintf(stderr, "%s:%d: invariante violada: %s\n", arquivo, linha, condicao);
    std::abort();
}

// The input cut at its first `n - 1` NUL bytes: always `n` parts, the missing ones empty.
inline QList<QByteArray> partes(const uint8_t *dados, size_t tamanho, int n)
{
    QList<QByteArray> resultado;
    QByteArray resto(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    while (resultado.size() < n - 1) {
        const qsizetype nul = resto.indexOf('\0');
        if (nul < 0)
            break;
        resultado.append(resto.left(nul));
        resto.remove(0, nul + 1);
    }
    resultado.append(resto);
    while (resultado.size() < n)
        resultado.append(QByteArray());
    return resultado;
}

// A text from bytes. An even first byte reads the rest as Windows-1252, an odd one as
// UTF-16 units (any unit, lone surrogates too), so that both the code page and the
// characters it cannot hold are reached.
inline QString texto(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const QByteArray resto = bytes.mid(1);
    if ((static_cast<unsigned char>(bytes.at(0)) & 1) == 0) {
        QString s;
        for (const char c : resto)
            s += QChar(static_cast<char16_t>(static_cast<unsigned char>(c)));
        return s;
    }
    QString s;
    for (qsizetype i = 0; i + 1 < resto.size(); i += 2)
        s += QChar(static_cast<char16_t>(static_cast<unsigned char>(resto.at(i))
            | (static_cast<unsigned char>(resto.at(i + 1)) << 8)));
    return s;
}

// A control character of either code page: C0, DEL or C1.
inline bool controle(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u < 0xa0);
}

} // namespace fuzz

#define EXIGE(condicao)                                                                            \
    ((condicao) ? static_cast<void>(0) : ::fuzz::falha(#condicao, __FILE__, __LINE__))
