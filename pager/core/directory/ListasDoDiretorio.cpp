// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListasDoDiretorio.h"

#include "Diretorio.h"

namespace listas {

namespace {

std::optional<QList<Item>> Itens(
    std::optional<Instantaneo> instantaneo, const QString &colunaId, const QString &colunaNome)
{
    if (!instantaneo)
        return std::nullopt;
    QList<Item> itens;
    itens.reserve(instantaneo->NumeroDeRegistros());
    for (; !instantaneo->NoFim(); instantaneo->Proximo())
        itens.append(
            {instantaneo->Campo(colunaId).toInt(), instantaneo->Campo(colunaNome).toString()});
    return itens;
}

} // namespace

std::optional<QList<Item>> Usuarios(Diretorio &diretorio)
{
    return Itens(
        diretorio.ListaUsuarios(), QStringLiteral("ID_Usuario"), QStringLiteral("Nome_Usuario"));
}

std::optional<QList<Item>> Grupos(Diretorio &diretorio)
{
    return Itens(diretorio.ListaGrupos(), QStringLiteral("ID_Grupo"), QStringLiteral("Nome_Grupo"));
}

std::optional<QSet<int>> GruposDoUsuario(Diretorio &diretorio, int idUsuario)
{
    std::optional<Instantaneo> instantaneo = diretorio.GruposDoUsuario(idUsuario);
    if (!instantaneo)
        return std::nullopt;
    QSet<int> ids;
    for (; !instantaneo->NoFim(); instantaneo->Proximo())
        ids.insert(instantaneo->Campo(QStringLiteral("ID_Grupo")).toInt());
    return ids;
}

} // namespace listas
