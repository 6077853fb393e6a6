// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

// A read-only, forward-only copy of the rows of one query: at-end test, field by column
// name, move to the next row, number of rows, close. The rows are copied out when the
// snapshot is made, so it holds no lock on the database file while a window walks it and
// its record count is exact. It is closed by Fecha() or at the latest when it goes out of
// scope. It never changes the database and cannot move backwards.
class Instantaneo
{
public:
    Instantaneo() = default;

    // Copies every row the (already executed) query gives; false when reading a row failed.
    bool Copia(QSqlQuery &consulta);

    // True when there is no current row: an empty result, past the last row, or closed.
    bool NoFim() const { return atual_ >= numeroDeRegistros_; }

    // Value of column `coluna` (case-insensitive, as the engine names it) of the current
    // row; an invalid QVariant past the end or for a column the query does not return.
    QVariant Campo(const QString &coluna) const;

    // Moves to the next row; harmless at the end.
    void Proximo();

    // Number of rows the query gave (0 once closed).
    int NumeroDeRegistros() const { return numeroDeRegistros_; }

    // Releases the rows; the snapshot is then at its end.
    void Fecha();

private:
    QStringList colunas_;
    QList<QVariant> valores_; // row by row, colunas_.size() values per row
    int numeroDeRegistros_ = 0;
    int atual_ = 0;
};
