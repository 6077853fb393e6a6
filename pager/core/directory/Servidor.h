// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The directory on a PostgreSQL server shared by several operators, through Qt's own
// driver. The server is named by a libpq connection string ("host=... dbname=... user=...");
// passwords are never part of it: libpq's ~/.pgpass, PGPASSWORD and PGSERVICE supply them.
namespace Servidor {

// Opens a connection called `nome` to the server; on failure the connection is removed
// again, the answer is not open and `motivo` says why in Portuguese.
QSqlDatabase Abre(const QString &conexao, const QString &nome, QString *motivo);

// Why the server could not be opened, from the driver's error, in Portuguese.
QString Motivo(const QSqlError &erro);

// The text of PagerServidor.sql.
QString Esquema();

// Runs the statements of the schema on `db` (the caller decides about the transaction);
// false with the server's text in `erro` when one fails.
bool CriaEsquema(const QSqlDatabase &db, QString *erro);

} // namespace Servidor
