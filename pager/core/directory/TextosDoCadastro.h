// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts the users register builds from directory rows: the entries of the user
// dialog's group list and the four lines of the users view's details panel.
namespace cadastro {

// "00007 - Vendas": the identifier in five zero-filled digits, " - ", the name.
QString EntradaDeGrupo(int idGrupo, const QString &nomeGrupo);

// The identifier read back from the digits that begin an entry: its first five characters
// for every identifier below 100000 (0 when the entry does not begin with a digit).
int IdDaEntradaDeGrupo(const QString &entrada);

// The details panel: pager code, registration date, how many groups, description, one
// per line, separated by CR LF.
QString DetalhesDoUsuario(const QString &idPager, const QString &dataCadastro, int numeroDeGrupos,
    const QString &descricao);

// What an empty description is stored as.
QString SemDescricao();

} // namespace cadastro
