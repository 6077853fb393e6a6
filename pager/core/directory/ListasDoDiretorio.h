// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

class Diretorio;

// The lists the register and compose windows fill from the directory: users and groups in
// name order, each with its identifier, and the groups a user belongs to. std::nullopt when
// the read failed (Diretorio::Erro() says why); an empty list is a valid answer.
namespace listas {

struct Item
{
    int id = 0;
    QString nome;
};

// Every user by Nome_Usuario.
std::optional<QList<Item>> Usuarios(Diretorio &diretorio);

// Every group by Nome_Grupo.
std::optional<QList<Item>> Grupos(Diretorio &diretorio);

// The ID_Grupo of every membership of the user, read in one query.
std::optional<QSet<int>> GruposDoUsuario(Diretorio &diretorio, int idUsuario);

} // namespace listas
