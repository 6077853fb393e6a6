// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImprimeTexto.h"

namespace {

constexpr qsizetype kColunas = 75;
const QString kMargem = QStringLiteral("     ");
const QString kQuebra = QStringLiteral("\r\n");

} // namespace

QString JustificaLinha(const QString &linha)
{
    QString resultado = linha;
    if (!resultado.contains(QLatin1Char(' ')))
        return resultado;
    qsizetype busca = 0;
    while (resultado.size() < kColunas) {
        const qsizetype branco = resultado.indexOf(QLatin1Char(' '), busca);
        if (branco < 0) {
            busca = 0;
            continue;
        }
        resultado.insert(branco + 1, QLatin1Char(' '));
        busca = branco + 2;
    }
    return resultado;
}

QStringList ImprimeTexto(const QString &texto)
{
    QStringList linhas;
    // A carriage return counts while a line is measured, as the layout has always done, but
    // it is never printed: CRs that pile up before a line feed (or stand alone) would
    // otherwise push a line past 75 columns or reach the printer as a control character.
    const auto imprime = [&linhas](QString linha, bool justifica) {
        linha.remove(QLatin1Char('\r'));
        linhas.append(kMargem + (justifica ? JustificaLinha(linha) : linha));
    };
    QString atual;
    // Position (1-based) of the last blank of `atual`; 0 when it has none. It is cleared
    // with every printed line, so a cut never uses a blank of a line already printed.
    qsizetype ultimoBranco = 0;

    for (const QChar c : texto) {
        atual.append(c);
        if (c == QLatin1Char(' '))
            ultimoBranco = atual.size();

        if (c == QLatin1Char('\n')) {
            atual.chop(1);
            imprime(atual, false);
            atual.clear();
            ultimoBranco = 0;
        } else if (atual.size() > kColunas && c == QLatin1Char(' ')) {
            imprime(atual.left(kColunas), false);
            atual.clear();
            ultimoBranco = 0;
        } else if (atual.size() > kColunas) {
            // A carriage return counts as a character here too: a line of exactly 75
            // characters ending in CR LF loses its last word to the next line.
            if (ultimoBranco > 1) {
                imprime(atual.left(ultimoBranco - 1), true);
                atual.remove(0, ultimoBranco);
            } else if (c == QLatin1Char('\r')) {
                // Nothing to break at: the line feed that follows prints the 75 whole,
                // rather than an empty line after them. A CR past column 75 is never
                // printed, so it is dropped here: kept, CRs would pile up and the next cut
                // would print them instead of the letters that follow.
                atual.chop(1);
                continue;
            } else {
                imprime(atual.left(kColunas), false);
                atual.remove(0, kColunas);
            }
            ultimoBranco = 0;
        }
    }
    atual.remove(QLatin1Char('\r'));
    if (!atual.isEmpty())
        imprime(atual, false);
    return linhas;
}

QString RodapeImpressao()
{
    return QStringLiteral(
        "Quorvane® Brasil - Vistral - Fone: (11) 3061-4827 - Fax: (11) 3061-4828");
}

QString TextoParaImpressao(const QString &relatorio)
{
    return relatorio + kQuebra + kQuebra + RodapeImpressao() + kQuebra;
}
