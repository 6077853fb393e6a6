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
            if (atual.endsWith(QLatin1Char('\r')))
                atual.chop(1);
            linhas.append(kMargem + atual);
            atual.clear();
            ultimoBranco = 0;
        } else if (atual.size() > kColunas && c == QLatin1Char(' ')) {
            linhas.append(kMargem + atual.left(kColunas));
            atual.clear();
            ultimoBranco = 0;
        } else if (atual.size() > kColunas) {
            // A carriage return counts as a character here too: a line of exactly 75
            // characters ending in CR LF loses its last word to the next line.
            if (ultimoBranco > 1) {
                linhas.append(kMargem + JustificaLinha(atual.left(ultimoBranco - 1)));
                atual.remove(0, ultimoBranco);
            } else if (c == QLatin1Char('\r')) {
                // Nothing to break at: the line feed that follows prints the 75 whole,
                // rather than an empty line after them.
                continue;
            } else {
                linhas.append(kMargem + atual.left(kColunas));
                atual.remove(0, kColunas);
            }
            ultimoBranco = 0;
        }
    }
    if (atual.endsWith(QLatin1Char('\r')))
        atual.chop(1);
    if (!atual.isEmpty())
        linhas.append(kMargem + atual);
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
