// SPDX-License-Identifier: GPL-3.0-or-later
#include "DicaDoDia.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <algorithm>

int DicaDoDia::numeroSorteado(double r)
{
    return std::clamp(static_cast<int>(r * kQuantidade) + 1, 1, kQuantidade);
}

QString DicaDoDia::le(const QString &pasta, int numero)
{
    QFile arquivo(QDir(pasta).filePath(QStringLiteral("byday.arq")));
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    QByteArray linha;
    for (int lidas = 0; lidas < numero && !arquivo.atEnd(); ++lidas)
        linha = arquivo.readLine();
    while (linha.endsWith('\n') || linha.endsWith('\r'))
        linha.chop(1);
    return cp1252::decodifica(linha).trimmed();
}
