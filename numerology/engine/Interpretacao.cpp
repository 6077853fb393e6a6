// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interpretacao.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>

namespace Variaveis_Globais {

QString LeInterpretacao(int registro, const QString &arquivo, const QString &pastaPrograma)
{
    if (registro < 1)
        return {};
    QFile dados(QDir(pastaPrograma).filePath(arquivo));
    if (!dados.open(QIODevice::ReadOnly))
        return {};
    const qint64 inicio = static_cast<qint64>(registro - 1) * TamanhoRegistro;
    if (!dados.seek(inicio))
        return {};
    // A file cut inside the record yields what is there; past its end, nothing.
    const QByteArray bytes = dados.read(TamanhoRegistro);
    dados.close();

    qsizetype primeiro = 0;
    qsizetype ultimo = bytes.size();
    while (primeiro < ultimo && bytes.at(primeiro) == ' ')
        ++primeiro;
    while (ultimo > primeiro && bytes.at(ultimo - 1) == ' ')
        --ultimo;
    return cp1252::decodifica(bytes.mid(primeiro, ultimo - primeiro));
}

} // namespace Variaveis_Globais
