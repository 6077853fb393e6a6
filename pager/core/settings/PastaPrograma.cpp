// SPDX-License-Identifier: GPL-3.0-or-later
#include "PastaPrograma.h"

#include "PastasDoPrograma.h"
#include "Programa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString PastaPrograma(const QString &pastaExecutavel)
{
    const auto pastas = PastasDoPrograma::de(
        pastaExecutavel, QStringLiteral("tellumo"), programa::ArquivoBanco());
    const QString banco = QDir(pastas.usuario).filePath(programa::ArquivoBanco());
    if (!pastas.instalado || QFileInfo::exists(banco))
        return pastas.usuario;

    QDir().mkpath(pastas.usuario);
    // Copied under a name of its own and renamed without replacing: a second Tellumo starting
    // at the same moment never overwrites a directory the first one already uses.
    const QString copia
        = banco + QLatin1Char('.') + QString::number(QCoreApplication::applicationPid());
    if (QFile::copy(QDir(pastas.dados).filePath(programa::ArquivoBanco()), copia)) {
        QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
        QFile::rename(copia, banco);
    }
    QFile::remove(copia);
    return pastas.usuario;
}
