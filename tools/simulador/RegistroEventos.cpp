// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroEventos.h"

#include <QDateTime>
#include <QJsonDocument>

bool RegistroArquivo::abre(const QString &caminho)
{
    arquivo.setFileName(caminho);
    return arquivo.open(QIODevice::WriteOnly | QIODevice::Append);
}

void RegistroArquivo::anota(const QJsonObject &evento)
{
    if (!arquivo.isOpen())
        return;
    QJsonObject linha = evento;
    linha.insert(
        QStringLiteral("hora"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    arquivo.write(QJsonDocument(linha).toJson(QJsonDocument::Compact) + '\n');
    arquivo.flush();
}
