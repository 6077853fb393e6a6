// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instantaneo.h"

#include <QSqlError>
#include <QSqlRecord>

bool Instantaneo::Copia(QSqlQuery &consulta)
{
    Fecha();
    const QSqlRecord registro = consulta.record();
    const int n = registro.count();
    for (int i = 0; i < n; ++i)
        colunas_.append(registro.fieldName(i));

    int linhas = 0;
    while (consulta.next()) {
        for (int i = 0; i < n; ++i)
            valores_.append(consulta.value(i));
        ++linhas;
    }
    // next() also answers false when the engine failed in mid-walk (file gone, locked):
    // a partial list must not pass for the whole one.
    if (consulta.lastError().isValid()) {
        Fecha();
        return false;
    }
    numeroDeRegistros_ = linhas;
    return true;
}

QVariant Instantaneo::Campo(const QString &coluna) const
{
    if (NoFim())
        return {};
    // Engines differ in the case they give column names (a server folds them to lower case).
    qsizetype i = 0;
    while (i < colunas_.size() && colunas_.at(i).compare(coluna, Qt::CaseInsensitive) != 0)
        ++i;
    if (i == colunas_.size())
        return {};
    return valores_.at(qsizetype(atual_) * colunas_.size() + i);
}

void Instantaneo::Proximo()
{
    if (!NoFim())
        ++atual_;
}

void Instantaneo::Fecha()
{
    colunas_.clear();
    valores_.clear();
    numeroDeRegistros_ = 0;
    atual_ = 0;
}
