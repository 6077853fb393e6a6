#include "Diretorio.h"

std::optional<Instantaneo> Diretorio::ListaUsuarios()
{
    return Le(QStringLiteral("SELECT * FROM Usuarios ORDER BY Nome_Usuario"));
}

std::optional<Instantaneo> Diretorio::UsuarioParaAlteracao(int idUsuario)
{
    return UsuarioPorId(idUsuario);
}

std::optional<Instantaneo> Diretorio::UsuarioPorId(int idUsuario)
{
    return Le(QStringLiteral("SELECT * FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario});
}

std::optional<Instantaneo> Diretorio::UsuariosPorPager(const QString &idPager)
{
    return Le(QStringLiteral("SELECT * FROM Usuarios WHERE ID_Pager = ?"), {idPager});
}

std::optional<int> Diretorio::InsereUsuario(const QString &descricao, const QString &idPager,
    const QDate &dataCadastro, const QString &nome, const QList<int> &idsGrupos)
{
    std::optional<int> id;
    const bool ok = EmTransacao([&] {
        id = InsereComId(QStringLiteral("INSERT INTO Usuarios (Descricao, ID_Pager, "
                                        "Data_Cadastro, Nome_Usuario) VALUES (?, ?, ?, ?) "
                                        "RETURNING ID_Usuario"),
            {descricao, idPager, dataCadastro.toString(QStringLiteral("dd/MM/yyyy")), nome});
        return id && GravaGrupos(*id, idsGrupos);
    });
    return ok ? id : std::nullopt;
}

bool Diretorio::AlteraUsuario(int idUsuario, const QString &descricao, const QString &idPager,
    const QString &nome, const std::optional<QList<int>> &idsGrupos)
{
    return EmTransacao([&] {
        return Altera(QStringLiteral("UPDATE Usuarios SET Descricao = ?, ID_Pager = ?, "
                                     "Nome_Usuario = ? WHERE ID_Usuario = ?"),
                   {descricao, idPager, nome, idUsuario})
            && (!idsGrupos || TrocaGrupos(idUsuario, *idsGrupos));
    });
}

std::optional<Instantaneo> Diretorio::IdUsuarioPorNome(const QString &nome)
{
    return Le(QStringLiteral(
                  "SELECT ID_Usuario FROM Usuarios WHERE Nome_Usuario = ? ORDER BY ID_Usuario"),
        {nome});
}

bool Diretorio::ExcluiUsuario(int idUsuario)
{
    // His Log rows stay: the history outlives the person.
    return EmTransacao([&] {
        return Altera(QStringLiteral("DELETE FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario})
            && ExcluiGruposDoUsuario(idUsuario);
    });
}

std::optional<Instantaneo> Diretorio::UsuariosPorNome(const QString &nome)
{
    return Le(QStringLiteral("SELECT * FROM Usuarios WHERE Nome_Usuario = ? ORDER BY ID_Usuario"),
        {nome});
}

std::optional<Instantaneo> Diretorio::NomeUsuario(int idUsuario)
{
    return Le(
        QStringLiteral("SELECT Nome_Usuario FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario});
}

std::optional<Instantaneo> Diretorio::PagerENomeUsuario(int idUsuario)
{
    return Le(QStringLiteral("SELECT ID_Pager, Nome_Usuario FROM Usuarios WHERE ID_Usuario = ?"),
        {idUsuario});
}
