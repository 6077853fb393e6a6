// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArquivosDoServico.h"

#include "PastasDoPrograma.h"
#include "core/settings/Programa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ArquivosDoServico ArquivosDoServico::De(const QString &pastaExecutavel, const QString &config)
{
    const auto pastas = PastasDoPrograma::de(
        pastaExecutavel, QStringLiteral("tellumo"), programa::ArquivoBanco());
    ArquivosDoServico arquivos;
    if (pastas.instalado) {
        arquivos.ini = QStringLiteral("/etc/tellumo/servico.ini");
        arquivos.bancoPadrao = QStringLiteral("/var/lib/tellumo/") + programa::ArquivoBanco();
        arquivos.modeloDoBanco = QDir(pastas.dados).filePath(programa::ArquivoBanco());
    } else {
        arquivos.ini = QDir(pastaExecutavel).filePath(QStringLiteral("servico.ini"));
        arquivos.bancoPadrao = QDir(pastaExecutavel).filePath(programa::ArquivoBanco());
    }
    if (!config.isEmpty())
        arquivos.ini = QFileInfo(config).absoluteFilePath();
    return arquivos;
}

bool ArquivosDoServico::PreparaBanco(const QString &banco) const
{
    if (QFileInfo::exists(banco) || modeloDoBanco.isEmpty())
        return QFileInfo::exists(banco);
    // Copied under a name of its own and renamed: a directory half copied is never opened.
    const QString copia
        = banco + QLatin1Char('.') + QString::number(QCoreApplication::applicationPid());
    if (QFile::copy(modeloDoBanco, copia)) {
        QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
        QFile::rename(copia, banco);
    }
    QFile::remove(copia);
    return QFileInfo::exists(banco);
}
