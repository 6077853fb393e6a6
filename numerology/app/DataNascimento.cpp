// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataNascimento.h"

#include <QDate>
#include <QRegularExpression>

bool DataNascimentoValida(const QString &texto)
{
    static const QRegularExpression forma(QStringLiteral("^[0-9]{2}/[0-9]{2}/[0-9]{4}$"));
    if (!forma.match(texto).hasMatch())
        return false;
    return QDate::fromString(texto, QStringLiteral("dd/MM/yyyy")).isValid();
}
