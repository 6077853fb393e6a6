// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// Everything that differs between the two engines that may hold the directory, the file
// "Pager.Mdb" and a PostgreSQL server shared by several operators: how a connection is
// set up, how a change begins and takes the one writer lock, how long it waits for
// another operator, and what to do when the connection is lost. The rest of the program
// asks here instead of looking at the driver itself.
namespace motor {

enum class Tipo { Arquivo, Servidor };

// How long a change waits for another operator's before it is refused, on either engine.
constexpr int kEsperaMs = 5000;

Tipo De(const QSqlDatabase &banco);

// Settings every connection gets right after opening (and again after reopening): the
// file's collations and pragmas; the server's lock time-out. False when the engine refused.
bool Prepara(QSqlDatabase &banco);

// The condition "`coluna` equals the bound value, case ignored" of the duplicate checks:
// only small and capital letters are the same, every other difference counts (so "1²3" is
// not "123"). The file has its collation for it; the server's case-blind ICU collation
// would also join such compatibility forms, so there both sides are put in small letters.
QString IgualSemCaixa(const QSqlDatabase &banco, const QString &coluna);

// What a change locks besides the rows it writes. The file has one writer at a time
// whatever is asked. On a server, Diretorio takes the one lock every Tellumo's change
// takes; Linhas takes none, for changes that lock only their own rows (services claiming
// queued pages side by side, each skipping the rows another holds).
enum class Tranca { Diretorio, Linhas };

// Begins a change as a write transaction holding the directory's writer lock (`tranca`),
// waiting at most kEsperaMs for another operator's change; false with the engine's error.
bool IniciaGravacao(QSqlDatabase &banco, QSqlError *erro, Tranca tranca = Tranca::Diretorio);

// Ends a change (commit or rollback) by a statement of its own, so the engine's own
// error code survives; false with the engine's error.
bool Encerra(QSqlDatabase &banco, bool confirma, QSqlError *erro);

// True when `erro` says the connection itself is gone (a server restarted or cut off),
// as opposed to a statement the engine refused. A file never loses its connection.
bool LigacaoPerdida(const QSqlDatabase &banco, const QSqlError &erro);

// Opens a lost server connection again with its own settings; false when the server does
// not answer yet (the connection then stays closed, and the next action tries again).
bool Reabre(QSqlDatabase &banco);

} // namespace motor
