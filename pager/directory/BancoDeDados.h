#pragma once

#include <QSqlDatabase>
#include <QString>

// The one open connection to "Pager.Mdb", shared by every window of Tellumo.
// Opening never creates a file: a missing file, a file that is not a database or one
// without the four tables makes AbreBancoDeDados fail and leaves no connection open.

// Opens `pastaPrograma`/`nomeArquivo` for shared reading and writing.
bool AbreBancoDeDados(const QString &pastaPrograma, const QString &nomeArquivo);

// Closes the connection (on exit); harmless when it is not open.
void FechaBancoDeDados();

// The open connection (invalid before AbreBancoDeDados succeeds).
QSqlDatabase BancoDeDados();
