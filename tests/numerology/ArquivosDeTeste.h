// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cp1252.h"
#include "engine/Interpretacao.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

// Small interpretation files for the tests, so that no test depends on the wording of the
// real texts: record r of file F holds the marker "[F r]" (e.g. "[CVIDA 9]").
namespace ArquivosDeTeste {

inline const QStringList Nomes = {QStringLiteral("CDATA"), QStringLiteral("CVIDA"),
    QStringLiteral("CFORM"), QStringLiteral("CPROD"), QStringLiteral("CCOLH"),
    QStringLiteral("CDNAS"), QStringLiteral("DESNASC"), QStringLiteral("PRESNASC"),
    QStringLiteral("APICES"), QStringLiteral("DESVIDA"), QStringLiteral("INDSAUDE"),
    QStringLiteral("INTANOUN"), QStringLiteral("INTMESUN"), QStringLiteral("INTDIAUN"),
    QStringLiteral("INTANOPS"), QStringLiteral("INTMESPS"), QStringLiteral("INTDIAPS"),
    QStringLiteral("INTEXEXP"), QStringLiteral("IMPXALMA"), QStringLiteral("EUXSILEN"),
    QStringLiteral("INTVOG"), QStringLiteral("INTNOME"), QStringLiteral("INTREALI")};

// Writes the records given (record number -> raw bytes), each padded with blanks to a record.
inline bool gravaRegistros(
    const QString &pasta, const QString &arquivo, const QMap<int, QByteArray> &registros)
{
    QByteArray dados;
    for (auto it = registros.cbegin(); it != registros.cend(); ++it) {
        const qsizetype inicio
            = static_cast<qsizetype>(it.key() - 1) * Variaveis_Globais::TamanhoRegistro;
        if (dados.size() < inicio + Variaveis_Globais::TamanhoRegistro)
            dados.resize(inicio + Variaveis_Globais::TamanhoRegistro, ' ');
        dados.replace(inicio, it.value().size(), it.value());
    }
    QFile f(QDir(pasta).filePath(arquivo));
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size();
}

inline QString marcador(const QString &nome, int registro)
{
    return QStringLiteral("[%1 %2]").arg(nome).arg(registro);
}

// All 23 files, records 1 to 13, each holding its marker.
inline bool gravaTodos(const QString &pasta)
{
    for (const QString &nome : Nomes) {
        QMap<int, QByteArray> registros;
        for (int r = 1; r <= 13; ++r)
            registros.insert(r, cp1252::codifica(marcador(nome, r)));
        if (!gravaRegistros(pasta, nome + QStringLiteral(".DAT"), registros))
            return false;
    }
    return true;
}

} // namespace ArquivosDeTeste
