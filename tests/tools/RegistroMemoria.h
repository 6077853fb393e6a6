// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RegistroEventos.h"

#include <QJsonObject>
#include <QList>

// Keeps the simulator's records in memory so that a test can look at them.
class RegistroMemoria : public RegistroEventos
{
public:
    void anota(const QJsonObject &evento) override { todos.append(evento); }

    QList<QJsonObject> de(const QString &evento) const
    {
        QList<QJsonObject> lista;
        for (const QJsonObject &r : todos) {
            if (r.value(QStringLiteral("evento")).toString() == evento)
                lista.append(r);
        }
        return lista;
    }

    QList<QJsonObject> todos;
};
