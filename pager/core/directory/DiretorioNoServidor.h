// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>

// What tellumo-banco does: puts a directory on a PostgreSQL server, empty or copied from a
// "Pager.Mdb" file. Each one runs in one transaction: it is done whole or not at all. What
// was done goes to `saida`, why it failed to `erros`, in Portuguese.
namespace DiretorioNoServidor {

// Creates the tables on a database that holds none of them.
bool Cria(const QString &conexao, QTextStream &saida, QTextStream &erros);

// Creates the tables (unless they are there and empty) and copies into them the file's
// users, groups, memberships and log, identifiers kept; the server then numbers new rows
// after the copied ones. Refuses a database whose directory already holds rows.
bool Copia(const QString &arquivo, const QString &conexao, QTextStream &saida, QTextStream &erros);

} // namespace DiretorioNoServidor
