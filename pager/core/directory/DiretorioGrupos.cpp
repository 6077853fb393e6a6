// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diretorio.h"
#include "MotorDoBanco.h"
#include "OrdemAlfabetica.h"

std::optional<Instantaneo> Diretorio::ListaGrupos()
{
    return Le(
        QStringLiteral("SELECT ID_Grupo, Nome_Grupo FROM Grupos ORDER BY Nome_Grupo COLLATE %1, "
                       "ID_Grupo")
            .arg(ordem::Alfabetica()));
}

std::optional<Instantaneo> Diretorio::GruposPorNome(const QString &nome)
{
    return Le(
        QStringLiteral("SELECT * FROM Grupos WHERE Nome_Grupo = ? ORDER BY ID_Grupo"), {nome});
}

std::optional<int> Diretorio::InsereGrupo(const QString &descricao, const QString &nome)
{
    std::optional<int> id;
    const bool ok = EmTransacao([&] {
        const std::optional<bool> repetido = Existe(QStringLiteral("SELECT 1 FROM Grupos WHERE ")
                + motor::IgualSemCaixa(Banco(), QStringLiteral("Nome_Grupo")),
            {nome});
        if (!repetido)
            return false;
        if (*repetido)
            return Recusou(Recusa::Repetido,
                QStringLiteral("Desculpe, mas você não deve possuir dois grupos de usuários com "
                               "o mesmo nome."));
        id = InsereComId(
            QStringLiteral("INSERT INTO Grupos (Descricao_Grupo, Nome_Grupo) VALUES (?, ?) "
                           "RETURNING ID_Grupo"),
            {descricao, nome});
        return id.has_value();
    });
    return ok ? id : std::nullopt;
}

bool Diretorio::AlteraGrupo(int idGrupo, const QString &descricao, const QString &nome)
{
    // Under the writer lock, as every change: a rename racing a delete of the same group
    // then either renames it before it goes or finds it gone.
    return EmTransacao([&] {
        const std::optional<int> linhas = AlteraLinhas(
            QStringLiteral(
                "UPDATE Grupos SET Descricao_Grupo = ?, Nome_Grupo = ? WHERE ID_Grupo = ?"),
            {descricao, nome, idGrupo});
        if (linhas && *linhas == 0)
            return Recusou(Recusa::Removido, ErroBanco::GrupoRemovido());
        return linhas.has_value();
    });
}

std::optional<Instantaneo> Diretorio::IdGrupoPorNome(const QString &nome)
{
    return Le(QStringLiteral("SELECT ID_Grupo FROM Grupos WHERE Nome_Grupo = ? ORDER BY ID_Grupo"),
        {nome});
}

bool Diretorio::ExcluiGrupo(const QString &nome)
{
    // Renamed groups may share a name: the memberships of every row that goes are removed,
    // not only those of the first one.
    return EmTransacao([&] {
        if (!Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Grupo IN "
                                   "(SELECT ID_Grupo FROM Grupos WHERE Nome_Grupo = ?)"),
                {nome}))
            return false;
        const std::optional<int> linhas
            = AlteraLinhas(QStringLiteral("DELETE FROM Grupos WHERE Nome_Grupo = ?"), {nome});
        if (linhas && *linhas == 0)
            return Recusou(Recusa::Removido, ErroBanco::GrupoRemovido());
        return linhas.has_value();
    });
}

std::optional<Instantaneo> Diretorio::GruposDoUsuario(int idUsuario)
{
    return Le(QStringLiteral("SELECT * FROM Usuario_Grupo WHERE ID_Usuario = ?"), {idUsuario});
}

std::optional<Instantaneo> Diretorio::GruposDistintosDoUsuario(int idUsuario)
{
    return Le(QStringLiteral("SELECT DISTINCT ID_Grupo FROM Usuario_Grupo WHERE ID_Usuario = ?"),
        {idUsuario});
}

std::optional<Instantaneo> Diretorio::MembrosDoGrupo(int idGrupo)
{
    return Le(QStringLiteral("SELECT ID_Usuario FROM Usuario_Grupo WHERE ID_Grupo = ?"), {idGrupo});
}

std::optional<Instantaneo> Diretorio::NomesDosMembros(int idGrupo)
{
    return Le(QStringLiteral("SELECT u.Nome_Usuario FROM Usuario_Grupo ug JOIN Usuarios u ON "
                             "u.ID_Usuario = ug.ID_Usuario WHERE ug.ID_Grupo = ? ORDER BY "
                             "u.Nome_Usuario COLLATE %1, u.ID_Usuario")
                  .arg(ordem::Alfabetica()),
        {idGrupo});
}

bool Diretorio::InsereUsuarioNoGrupo(int idUsuario, int idGrupo)
{
    return EmTransacao([&] {
        const std::optional<bool> grupo
            = Existe(QStringLiteral("SELECT 1 FROM Grupos WHERE ID_Grupo = ?"), {idGrupo});
        if (!grupo)
            return false;
        if (!*grupo)
            return Recusou(Recusa::Removido, ErroBanco::GrupoRemovido());
        const std::optional<bool> usuario
            = Existe(QStringLiteral("SELECT 1 FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario});
        if (!usuario)
            return false;
        if (!*usuario)
            return Recusou(Recusa::Removido, ErroBanco::UsuarioRemovido());
        // Already a member: nothing to store.
        const std::optional<bool> par = Existe(
            QStringLiteral("SELECT * FROM Usuario_Grupo WHERE ID_Usuario = ? AND ID_Grupo = ?"),
            {idUsuario, idGrupo});
        return par
            && (*par
                || Altera(QStringLiteral(
                              "INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo) VALUES (?, ?)"),
                    {idUsuario, idGrupo}));
    });
}

bool Diretorio::ExcluiGruposDoUsuario(int idUsuario, const std::optional<QList<int>> &idsGrupos)
{
    if (!idsGrupos)
        return Altera(
            QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Usuario = ?"), {idUsuario});
    for (int idGrupo : *idsGrupos) {
        if (!Altera(
                QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Usuario = ? AND ID_Grupo = ?"),
                {idUsuario, idGrupo}))
            return false;
    }
    return true;
}

bool Diretorio::RetiraUsuariosDoGrupoPorNome(const QString &nome, int idGrupo)
{
    return EmTransacao([&] {
        const std::optional<bool> grupo
            = Existe(QStringLiteral("SELECT 1 FROM Grupos WHERE ID_Grupo = ?"), {idGrupo});
        if (grupo && !*grupo)
            return Recusou(Recusa::Removido, ErroBanco::GrupoRemovido());
        return grupo
            && Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Grupo = ? AND ID_Usuario "
                                     "IN (SELECT ID_Usuario FROM Usuarios WHERE Nome_Usuario = ?)"),
                {idGrupo, nome});
    });
}

bool Diretorio::GravaGrupos(int idUsuario, const QList<int> &idsGrupos)
{
    // A group another operator deleted meanwhile gets no membership pointing to nothing, and
    // one he joined meanwhile no second one.
    for (int idGrupo : idsGrupos) {
        if (!Altera(QStringLiteral("INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo) SELECT ?, "
                                   "ID_Grupo FROM Grupos WHERE ID_Grupo = ? AND NOT EXISTS "
                                   "(SELECT 1 FROM Usuario_Grupo WHERE ID_Usuario = ? AND "
                                   "ID_Grupo = ?)"),
                {idUsuario, idGrupo, idUsuario, idGrupo}))
            return false;
    }
    return true;
}
