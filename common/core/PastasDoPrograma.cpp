// SPDX-License-Identifier: GPL-3.0-or-later
#include "PastasDoPrograma.h"

#include <QDir>
#include <QFileInfo>

PastasDoPrograma PastasDoPrograma::de(
    const QString &pastaExecutavel, const QString &programa, const QString &marcador)
{
    const QString instalados = dadosInstalados(pastaExecutavel, programa);
    if (QFileInfo::exists(QDir(pastaExecutavel).filePath(marcador))
        || !QFileInfo::exists(QDir(instalados).filePath(marcador)))
        return {pastaExecutavel, pastaExecutavel, false};
    return {instalados, dadosDoUsuario(programa), true};
}

QString PastasDoPrograma::dadosInstalados(const QString &pastaExecutavel, const QString &programa)
{
    // The build writes the path from the installed bin folder to the installed data folder.
    return QDir::cleanPath(pastaExecutavel + QLatin1Char('/')
        + QStringLiteral(QUORVANE_DADOS_RELATIVOS) + QLatin1Char('/') + programa);
}

QString PastasDoPrograma::dadosDoUsuario(const QString &programa)
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    // The base directory rules ignore a relative value.
    const QString base = !xdg.isEmpty() && QDir::isAbsolutePath(xdg)
        ? xdg
        : QDir::home().filePath(QStringLiteral(".local/share"));
    return QDir(base).filePath(programa);
}
