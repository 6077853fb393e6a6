// SPDX-License-Identifier: GPL-3.0-or-later
// The printed listing: every line is the five-blank margin and at most 75 characters, no
// CR or LF is ever printed, and the non-blank characters of the text come out all, in
// their order. Justifying only widens gaps.
//
// Input: the report text (as in fuzz::texto).
#include "Entrada.h"
#include "app/impressao/ImprimeTexto.h"

namespace {

QString semBrancos(QString s)
{
    s.remove(QLatin1Char(' '));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QString texto = fuzz::texto(
        QByteArray(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho)));
    const QString margem(5, QLatin1Char(' '));

    QString impresso;
    for (const QString &linha : ImprimeTexto(texto)) {
        EXIGE(linha.startsWith(margem));
        EXIGE(linha.size() <= margem.size() + 75);
        EXIGE(!linha.contains(QLatin1Char('\r')) && !linha.contains(QLatin1Char('\n')));
        impresso += linha.mid(margem.size());
    }
    QString esperado = semBrancos(texto);
    esperado.remove(QLatin1Char('\r'));
    esperado.remove(QLatin1Char('\n'));
    EXIGE(semBrancos(impresso) == esperado);

    const QString curta = texto.left(74);
    const QString justificada = JustificaLinha(curta);
    EXIGE(semBrancos(justificada) == semBrancos(curta));
    EXIGE(justificada.size() == (curta.contains(QLatin1Char(' ')) ? 75 : curta.size()));
    return 0;
}
