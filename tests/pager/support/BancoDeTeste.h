// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Instantaneo.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

// For test suites that need a real "Pager.Mdb": a fresh file made from the repository's
// schema, and extra connections to it (another operator's Tellumo). Not used by the program.
namespace BancoDeTeste {

// The schema file the build also uses.
QString CaminhoEsquema();

// Creates `pasta`/`nomeArquivo` (replacing any file there) with the empty tables of the
// schema; false with a reason in `erro` when it could not.
bool CriaBancoVazio(const QString &pasta, const QString &nomeArquivo = QStringLiteral("Pager.Mdb"),
    QString *erro = nullptr);

// Opens one more connection named `conexao` on the file, waiting `esperaMs` for locks.
QSqlDatabase AbreConexao(const QString &caminho, const QString &conexao, int esperaMs = 5000,
    bool somenteLeitura = false);

// Closes and forgets the connection `conexao`.
void FechaConexao(const QString &conexao);

// Walks a snapshot from its current row to the end and gives the values of one column as
// texts, in the snapshot's order; a failed read gives {"<falhou>"} so a comparison shows it.
QStringList Coluna(std::optional<Instantaneo> instantaneo, const QString &coluna);

// The single value of a query run directly on `db` (counts for checks the program never
// makes), or an invalid QVariant when it failed.
QVariant Valor(const QSqlDatabase &db, const QString &sql);

// Every log row of the program's directory (or one user's) by Data, Hora, Usuario, every
// column; std::nullopt when the program's own read of the log fails.
std::optional<Instantaneo> ListaLog(std::optional<int> idUsuario = {});

} // namespace BancoDeTeste
