#include "Diretorio.h"

std::optional<Instantaneo> Diretorio::ListaGrupos()
{
    return Le(QStringLiteral("SELECT * FROM Grupos ORDER BY Nome_Grupo"));
}

std::optional<Instantaneo> Diretorio::GruposPorNome(const QString &nome)
{
    return Le(
        QStringLiteral("SELECT * FROM Grupos WHERE Nome_Grupo = ? ORDER BY ID_Grupo"), {nome});
}

std::optional<int> Diretorio::InsereGrupo(const QString &descricao, const QString &nome)
{
    return InsereComId(
        QStringLiteral("INSERT INTO Grupos (Descricao_Grupo, Nome_Grupo) VALUES (?, ?) "
                       "RETURNING ID_Grupo"),
        {descricao, nome});
}

bool Diretorio::AlteraGrupo(int idGrupo, const QString &descricao, const QString &nome)
{
    return Altera(
        QStringLiteral("UPDATE Grupos SET Descricao_Grupo = ?, Nome_Grupo = ? WHERE ID_Grupo = ?"),
        {descricao, nome, idGrupo});
}

std::optional<Instantaneo> Diretorio::IdGrupoPorNome(const QString &nome)
{
    return Le(QStringLiteral("SELECT ID_Grupo FROM Grupos WHERE Nome_Grupo = ? ORDER BY ID_Grupo"),
        {nome});
}

bool Diretorio::ExcluiGrupo(const QString &nome)
{
    // Renamed groups may share a name: the memberships of every row that goes are removed,
    // not only those of the first one. Writing first also takes the write lock at once, so
    // two operators deleting at the same time wait for each other instead of failing.
    return EmTransacao([&] {
        return Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Grupo IN "
                                     "(SELECT ID_Grupo FROM Grupos WHERE Nome_Grupo = ?)"),
                   {nome})
            && Altera(QStringLiteral("DELETE FROM Grupos WHERE Nome_Grupo = ?"), {nome});
    });
}

std::optional<Instantaneo> Diretorio::GruposDoUsuario(int idUsuario)
{
    return Le(QStringLiteral("SELECT * FROM Usuario_Grupo WHERE ID_Usuario = ?"), {idUsuario});
}

std::optional<Instantaneo> Diretorio::Associacao(int idUsuario, int idGrupo)
{
    return Le(QStringLiteral("SELECT * FROM Usuario_Grupo WHERE ID_Usuario = ? AND ID_Grupo = ?"),
        {idUsuario, idGrupo});
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

bool Diretorio::RegravaGruposDoUsuario(int idUsuario, const QList<int> &idsGrupos)
{
    return EmTransacao([&] { return TrocaGrupos(idUsuario, idsGrupos); });
}

bool Diretorio::InsereUsuarioNoGrupo(int idUsuario, int idGrupo)
{
    return Altera(QStringLiteral("INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo) VALUES (?, ?)"),
        {idUsuario, idGrupo});
}

bool Diretorio::ExcluiGruposDoUsuario(int idUsuario)
{
    return Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Usuario = ?"), {idUsuario});
}

bool Diretorio::RetiraUsuarioDoGrupo(int idUsuario, int idGrupo)
{
    return Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Usuario = ? AND ID_Grupo = ?"),
        {idUsuario, idGrupo});
}

bool Diretorio::RetiraUsuariosDoGrupoPorNome(const QString &nome, int idGrupo)
{
    return Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Grupo = ? AND ID_Usuario IN "
                                 "(SELECT ID_Usuario FROM Usuarios WHERE Nome_Usuario = ?)"),
        {idGrupo, nome});
}

bool Diretorio::ExcluiMembrosDoGrupo(int idGrupo)
{
    return Altera(QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Grupo = ?"), {idGrupo});
}

bool Diretorio::GravaGrupos(int idUsuario, const QList<int> &idsGrupos)
{
    for (int idGrupo : idsGrupos) {
        if (!InsereUsuarioNoGrupo(idUsuario, idGrupo))
            return false;
    }
    return true;
}

bool Diretorio::TrocaGrupos(int idUsuario, const QList<int> &idsGrupos)
{
    return ExcluiGruposDoUsuario(idUsuario) && GravaGrupos(idUsuario, idsGrupos);
}
