// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF export for any report text: 7-bit bytes only, braces balanced, and a reader of
// the few controls it uses gets every line of the text back, accents and characters
// outside the code page included.
//
// Input: the report text (as in fuzz::texto).
#include "Cp1252.h"
#include "Entrada.h"
#include "app/impressao/DocumentoRtf.h"

#include <QRegularExpression>

namespace {

// The lines of the document body, read back; false when something is not understood.
bool le(const QByteArray &rtf, QStringList *linhas)
{
    const QByteArray inicio = "\\f0\\fs24 ";
    qsizetype i = rtf.indexOf(inicio);
    if (i < 0 || !rtf.endsWith('}'))
        return false;
    i += inicio.size();
    const qsizetype fim = rtf.size() - 1;
    QString linha;
    while (i < fim) {
        const char c = rtf.at(i);
        if (c != '\\') {
            if (c == '{' || c == '}' || c == '\r' || c == '\n')
                return false;
            linha += QLatin1Char(c);
            ++i;
            continue;
        }
        const QByteArray resto = rtf.mid(i, 12);
        if (resto.startsWith("\\par\r\n")) {
            linhas->append(linha);
            linha.clear();
            i += 6;
        } else if (resto.startsWith("\\tab ")) {
            linha += QLatin1Char('\t');
            i += 5;
        } else if (resto.startsWith("\\'") && resto.size() >= 4) {
            bool ok = false;
            const int byte = resto.mid(2, 2).toInt(&ok, 16);
            if (!ok)
                return false;
            linha += cp1252::decodifica(QByteArray(1, static_cast<char>(byte)));
            i += 4;
        } else if (resto.startsWith("\\u")) {
            qsizetype j = i + 2;
            if (j < fim && rtf.at(j) == '-')
                ++j;
            while (j < fim && rtf.at(j) >= '0' && rtf.at(j) <= '9')
                ++j;
            if (j >= fim || rtf.at(j) != '?')
                return false;
            linha += QChar(static_cast<char16_t>(rtf.mid(i + 2, j - i - 2).toInt()));
            i = j + 1;
        } else if (resto.size() >= 2 && QByteArrayView("\\{}").contains(resto.at(1))) {
            linha += QLatin1Char(resto.at(1));
            i += 2;
        } else {
            return false;
        }
    }
    return linha.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QString texto = fuzz::texto(
        QByteArray(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho)));
    const QByteArray rtf = DocumentoRtf(texto);
    EXIGE(rtf.startsWith("{\\rtf1"));
    for (const char c : rtf)
        EXIGE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f));

    int profundidade = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == '\\') {
            ++i;
            continue;
        }
        profundidade += rtf.at(i) == '{' ? 1 : rtf.at(i) == '}' ? -1 : 0;
        EXIGE(profundidade >= 0);
        EXIGE(profundidade > 0 || i == rtf.size() - 1);
    }
    EXIGE(profundidade == 0);

    QStringList esperadas = texto.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (esperadas.size() > 1 && esperadas.constLast().isEmpty())
        esperadas.removeLast();
    QStringList lidas;
    EXIGE(le(rtf, &lidas));
    EXIGE(lidas == esperadas);
    return 0;
}
