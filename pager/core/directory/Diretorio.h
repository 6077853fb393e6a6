// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoDeDados.h"
#include "ErroBanco.h"
#include "Instantaneo.h"
#include "MotorDoBanco.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <optional>

// Every statement Tellumo sends to its directory ("Pager.Mdb"), one named operation each,
// with the tables, columns, filters and orders of the program's catalogue. Values are
// always bound as parameters, so names with ' or " are stored exactly as typed, and the
// SQL stays portable (no engine-specific syntax; the collations' names come from
// OrdemAlfabetica) so the directory can move to a server.
//
// Reads give a snapshot (std::nullopt on failure). Changes give true/the new identifier
// (false/std::nullopt when they stored nothing). Then Motivo() says why and Erro() holds a
// Portuguese text for a message box; a refused change leaves the stored data as it was.
// Another operator may share the file: every change runs in one write transaction, so
// what it checks (a name or pager code in use, a row that must still exist) holds until
// it is stored. Lists come in alphabetical order (OrdemAlfabetica.h). It shows nothing
// itself and keeps no rows.
// The groups the operator marked and unmarked in the user dialog since it read them.
struct MudancaDeGrupos
{
    QList<int> entra; // newly marked
    QList<int> sai; // newly unmarked
};

class Diretorio
{
public:
    // Why the last change stored nothing.
    enum class Recusa {
        Nenhuma,
        Falha, // the engine failed (file gone, locked, full, damaged)
        Repetido, // the name or pager code is already in use
        Removido, // the row to change is no longer there (another operator removed it)
    };

    // On the program's connection (BancoDeDados), looked up at each call, so a Diretorio
    // may live as long as a window and never keeps the connection from closing.
    Diretorio() = default;
    // On another named connection (another operator's, in tests).
    explicit Diretorio(const QString &conexao);

    // Text of the last failure or refusal, for the window's message box; empty after a
    // success.
    const QString &Erro() const { return erro_; }
    Recusa Motivo() const { return motivo_; }

    // --- Usuarios (columns ID_Usuario, Nome_Usuario, ID_Pager, Descricao, Data_Cadastro)

    // 1: every user, by Nome_Usuario (users of one name: the oldest first); only
    // ID_Usuario and Nome_Usuario, all that any list shows.
    std::optional<Instantaneo> ListaUsuarios();
    // 2 and 3: the user to alter, or shown in the details panel (every column).
    std::optional<Instantaneo> UsuarioPorId(int idUsuario);
    // 4 + 5 (+ 23 per group): creates the user with Data_Cadastro "dd/mm/yyyy" unless his
    // pager code is in use (case ignored: Repetido), with his memberships of the groups that
    // still exist; answers the identifier the engine gave the new row.
    std::optional<int> InsereUsuario(const QString &descricao, const QString &idPager,
        const QDate &dataCadastro, const QString &nome, const QList<int> &idsGrupos = {});
    // 6, then only what the operator changed: he joins the groups of `grupos.entra` that
    // still exist (unless a member already) and leaves those of `grupos.sai`; memberships
    // another operator stored meanwhile stay. A user no longer there: Removido.
    bool AlteraUsuario(int idUsuario, const QString &descricao, const QString &idPager,
        const QString &nome, const MudancaDeGrupos &grupos = {});
    // 8 + 25: the user and his memberships go, his Log rows stay. Already gone: Removido.
    bool ExcluiUsuario(int idUsuario);
    // 10: Nome_Usuario of one user.
    std::optional<Instantaneo> NomeUsuario(int idUsuario);
    // 11: ID_Pager and Nome_Usuario of one recipient.
    std::optional<Instantaneo> PagerENomeUsuario(int idUsuario);

    // --- Grupos (columns ID_Grupo, Nome_Grupo, Descricao_Grupo)

    // 12: every group, by Nome_Grupo; only ID_Grupo and Nome_Grupo, as statement 1.
    std::optional<Instantaneo> ListaGrupos();
    // 13: the groups of exactly this name (every column).
    std::optional<Instantaneo> GruposPorNome(const QString &nome);
    // 13 + 14: creates a group unless one has this name (case ignored: Repetido); answers
    // the identifier the engine gave it.
    std::optional<int> InsereGrupo(const QString &descricao, const QString &nome);
    // 15. A group no longer there: Removido.
    bool AlteraGrupo(int idGrupo, const QString &descricao, const QString &nome);
    // 16 and 17: ID_Grupo of the groups of this name (first row = the group acted on).
    std::optional<Instantaneo> IdGrupoPorNome(const QString &nome);
    // 27 + 18: deletes every group of this name and the memberships of every group row
    // removed. None left of that name: Removido.
    bool ExcluiGrupo(const QString &nome);

    // --- Usuario_Grupo (columns ID_Usuario, ID_Grupo)

    // 19: the memberships of a user.
    std::optional<Instantaneo> GruposDoUsuario(int idUsuario);
    // 21: the distinct ID_Grupo of a user (NumeroDeRegistros() = how many groups).
    std::optional<Instantaneo> GruposDistintosDoUsuario(int idUsuario);
    // 22: ID_Usuario of every member of a group.
    std::optional<Instantaneo> MembrosDoGrupo(int idGrupo);
    // 22 + 10 as one statement: Nome_Usuario of every member of a group whose user is still
    // there, by name (as the list of users beside it).
    std::optional<Instantaneo> NomesDosMembros(int idGrupo);
    // 20 + 24: the user joins the group; true without a change when he is a member
    // already. The user or the group no longer there: Removido.
    bool InsereUsuarioNoGrupo(int idUsuario, int idGrupo);
    // 9 + 26 as one statement: every user of this name leaves the group. The group no
    // longer there: Removido.
    bool RetiraUsuariosDoGrupoPorNome(const QString &nome, int idGrupo);

    // --- Who a name pages (the paging service's PAGE)

    // The users a pager code, a user's name or a group's name stands for, each compared as
    // the duplicate checks compare (case ignored). Columns Tipo (0: the code of a user,
    // 1: a user's name, 2: a group's name), ID_Usuario, ID_Pager, Nome_Usuario; by Tipo,
    // then by name. A group without members gives one row with ID_Usuario NULL, so an
    // empty group is still told from an unknown name.
    std::optional<Instantaneo> DestinosPorNome(const QString &nome);

    // --- Log (columns Data, Hora, Usuario, Mensagem, ID_Pager, ID_Usuario)

    // 28 (no user) or 29, giving only each row's key, in the statement's order: what a long
    // history keeps in memory instead of the rows themselves. Log rows are never changed
    // or deleted, so a key names the same row for as long as the file lives.
    std::optional<QList<qint64>> ChavesDoLog(std::optional<int> idUsuario);
    // The log rows of these keys (every column), in no particular order; the column
    // "Chave" gives each row's key back.
    std::optional<Instantaneo> LinhasDoLog(const QList<qint64> &chaves);
    // 30: one delivered message; Data "yyyymmdd" and Hora "hh:mm" from one clock reading.
    // `usuario` and `mensagem` are stored exactly as given (padding included).
    bool GravaLog(const QDateTime &momento, const QString &usuario, const QString &mensagem,
        const QString &idPager, int idUsuario);
    // Several rows, each as GravaLog writes it, with one statement prepared once: for a
    // change (Junto) that records many deliveries at once.
    struct LinhaDoLog
    {
        QDateTime momento;
        QString usuario;
        QString mensagem;
        QString idPager;
        int idUsuario = 0;
    };
    bool GravaLogs(const QList<LinhaDoLog> &linhas);

    // --- Changes of other parts of the core that must commit with this class's statements

    // Runs `passos` on this connection as one change, as every change above runs (begun
    // again once on a reopened server connection; rolled back unless every step answered
    // true). The steps word their own failures; a begin or commit the engine refused is
    // worded in Erro(). A lost connection is never reopened between the steps.
    bool Junto(const std::function<bool()> &passos, motor::Tranca tranca = motor::Tranca::Diretorio)
    {
        return EmTransacao(passos, true, tranca);
    }

private:
    using Acesso = ErroBanco::Acesso;

    QSqlDatabase Banco() const;
    bool Disponivel(QSqlDatabase &banco, Acesso acesso);
    // Runs one statement. A lost server connection is reopened at once (outside a change);
    // with `repete` the statement then runs once more there (reads, and a log row).
    std::optional<QSqlQuery> Executa(
        const QString &sql, const QVariantList &valores, Acesso acesso, bool repete = false);
    // Words the failure; a lost connection is marked (perdida_) and reopened.
    void FalhouCom(QSqlDatabase &banco, const QSqlError &erro, Acesso acesso);
    std::optional<Instantaneo> Le(const QString &sql, const QVariantList &valores = {});
    bool Altera(const QString &sql, const QVariantList &valores);
    // Rows the change touched; std::nullopt when it failed.
    std::optional<int> AlteraLinhas(const QString &sql, const QVariantList &valores);
    // True when the query gives at least one row; std::nullopt when it failed.
    std::optional<bool> Existe(const QString &sql, const QVariantList &valores);
    std::optional<int> InsereComId(const QString &sql, const QVariantList &valores);
    bool GravaGrupos(int idUsuario, const QList<int> &idsGrupos);
    bool ExcluiGruposDoUsuario(int idUsuario, const std::optional<QList<int>> &idsGrupos = {});
    bool EmTransacao(const std::function<bool()> &passos, bool reabre = true,
        motor::Tranca tranca = motor::Tranca::Diretorio);
    void Falhou(const QString &texto)
    {
        erro_ = texto;
        motivo_ = Recusa::Falha;
    }
    bool Recusou(Recusa motivo, const QString &texto)
    {
        erro_ = texto;
        motivo_ = motivo;
        return false;
    }

    QString conexao_; // empty: the program's connection
    bool emTransacao_ = false;
    bool perdida_ = false; // the last failure was a lost server connection
    QString erro_;
    Recusa motivo_ = Recusa::Nenhuma;
};
