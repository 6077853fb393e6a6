// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QJsonObject>

// Where the simulator reports what happened on the line: dials, delivered pages, refusals,
// NAKs, hang-ups. The logic only calls anota(); the file format belongs to RegistroArquivo.
class RegistroEventos
{
public:
    virtual ~RegistroEventos() = default;
    virtual void anota(const QJsonObject &evento) = 0;
};

// One compact JSON object a line, each stamped with the wall-clock time ("hora", UTC, ISO 8601)
// and flushed at once so that a reader sees it while the simulator runs. Without a file name
// it records nothing.
class RegistroArquivo : public RegistroEventos
{
public:
    bool abre(const QString &caminho);
    QString erro() const { return arquivo.errorString(); }
    void anota(const QJsonObject &evento) override;

private:
    QFile arquivo;
};
