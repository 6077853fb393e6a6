// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diretorio.h"
#include "MotorDoBanco.h"
#include "OrdemAlfabetica.h"

std::optional<Instantaneo> Diretorio::ListaUsuarios()
{
    return Le(QStringLiteral("SELECT ID_Usuario, Nome_Usuario FROM Usuarios ORDER BY Nome_Usuario "
                             "COLLATE %1, ID_Usuario")
                  .arg(ordem::Alfabetica()));
}

std::optional<Instantaneo> Diretorio::UsuarioPorId(int idUsuario)
{
    return Le(QStringLiteral("SELECT * FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario});
}

std::optional<int> Diretorio::InsereUsuario(const QString &descricao, const QString &idPager,
    const QDate &dataCadastro, const QString &nome, const QList<int> &idsGrupos)
{
    std::optional<int> id;
    const bool ok = EmTransacao([&] {
        const std::optional<bool> repetido = Existe(QStringLiteral("SELECT 1 FROM Usuarios WHERE ")
                + motor::IgualSemCaixa(Banco(), QStringLiteral("ID_Pager")),
            {idPager});
        if (!repetido)
            return false;
        if (*repetido)
            return Recusou(Recusa::Repetido,
                QStringLiteral("Desculpe, mas você não deve possuir dois usuários que utilizem o "
                               "mesmo código de pager."));
        id = InsereComId(QStringLiteral("INSERT INTO Usuarios (Descricao, ID_Pager, "
                                        "Data_Cadastro, Nome_Usuario) VALUES (?, ?, ?, ?) "
                                        "RETURNING ID_Usuario"),
            {descricao, idPager, dataCadastro.toString(QStringLiteral("dd/MM/yyyy")), nome});
        return id && GravaGrupos(*id, idsGrupos);
    });
    return ok ? id : std::nullopt;
}

bool Diretorio::AlteraUsuario(int idUsuario, const QString &descricao, const QString &idPager,
    const QString &nome, const MudancaDeGrupos &grupos)
{
    return EmTransacao([&] {
        const std::optional<int> linhas
            = AlteraLinhas(QStringLiteral("UPDATE Usuarios SET Descricao = ?, ID_Pager = ?, "
                                          "Nome_Usuario = ? WHERE ID_Usuario = ?"),
                {descricao, idPager, nome, idUsuario});
        if (!linhas)
            return false;
        if (*linhas == 0)
            return Recusou(Recusa::Removido, ErroBanco::UsuarioRemovido());
        return ExcluiGruposDoUsuario(idUsuario, grupos.sai) && GravaGrupos(idUsuario, grupos.entra);
    });
}

bool Diretorio::ExcluiUsuario(int idUsuario)
{
    // His Log rows stay: the history outlives the person.
    return EmTransacao([&] {
        const std::optional<int> linhas = AlteraLinhas(
            QStringLiteral("DELETE FROM Usuarios WHERE ID_Usuario = ?"), {idUsuario});
        if (!linhas)
            return false;
        if (*linhas == 0)
            return Recusou(Recusa::Removido, ErroBanco::UsuarioRemovido());
        return ExcluiGruposDoUsuario(idUsuario);
    });
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
