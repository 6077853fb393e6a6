// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The one open connection to the directory, shared by every window of Tellumo: the file
// "Pager.Mdb" or, where several operators share it, a PostgreSQL server.
// Opening never creates a file: a missing file, a file that is not a database or one
// without the four tables makes AbreBancoDeDados fail and leaves no connection open.

// Opens `pastaPrograma`/`nomeArquivo` for shared reading and writing.
bool AbreBancoDeDados(const QString &pastaPrograma, const QString &nomeArquivo);

// Opens the directory on the PostgreSQL server of the libpq connection string `conexao`
// ("Servidor" of section "BANCO" in Tellumo.INI). A server that does not answer, refuses
// the login or lacks the tables makes it fail; `motivo` then says why, in Portuguese.
bool AbreServidor(const QString &conexao, QString *motivo = nullptr);

// True when every table and column the program reads or writes is there.
bool TemEsquemaCompleto(const QSqlDatabase &db);

// Closes the connection (on exit); harmless when it is not open.
void FechaBancoDeDados();

// Opens one more connection, named `nome`, to the directory the program's connection has
// open, for a thread of its own (a connection serves only the thread that opened it): called
// from that thread. FechaConexao closes it, from the same thread.
bool AbreOutraConexao(const QString &nome);
void FechaConexao(const QString &nome);

// The open connection (invalid before AbreBancoDeDados succeeds).
QSqlDatabase BancoDeDados();

// Binds `valores` in order to the prepared `consulta`. A null text is bound as an empty one:
// the columns hold empty texts, never NULL.
void LigaValores(QSqlQuery &consulta, const QVariantList &valores);
