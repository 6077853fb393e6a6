// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextoSeteBits.h"

#include <QList>

namespace {

bool imprimivel(char32_t c)
{
    return c >= 0x20 && c < 0x7f;
}

bool quebraOuControle(char32_t c)
{
    // C0 and C1 controls, DEL, and the Unicode line and paragraph separators.
    return c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029;
}

// The plain letter under an accented one: its canonical decomposition starts with an ASCII
// letter followed only by combining marks. Anything else has no plain form.
char letraSimples(char32_t c)
{
    const QString decomposta = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    if (decomposta.size() < 2)
        return 0;
    const QChar base = decomposta.at(0);
    if (base.unicode() >= 0x80 || !base.isLetter())
        return 0;
    for (qsizetype i = 1; i < decomposta.size(); ++i) {
        if (!decomposta.at(i).isMark())
            return 0;
    }
    return static_cast<char>(base.unicode());
}

} // namespace

namespace TextoSeteBits {

QByteArray ParaLinha(const QString &texto)
{
    QByteArray linha;
    linha.reserve(texto.size());
    const QList<uint> pontos = texto.toUcs4();
    for (qsizetype i = 0; i < pontos.size(); ++i) {
        const char32_t c = pontos.at(i);
        if (imprimivel(c)) {
            linha.append(static_cast<char>(c));
        } else if (quebraOuControle(c)) {
            // CR LF typed on one key is one line break, one blank.
            if (c == '\r' && i + 1 < pontos.size() && pontos.at(i + 1) == '\n')
                ++i;
            linha.append(' ');
        } else if (const char letra = letraSimples(c)) {
            linha.append(letra);
        } else {
            linha.append('?');
        }
    }
    return linha;
}

QString Apara(const QString &texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fim > inicio && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

} // namespace TextoSeteBits
