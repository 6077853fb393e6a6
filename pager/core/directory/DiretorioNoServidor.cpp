// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiretorioNoServidor.h"

#include "BancoDeDados.h"
#include "Servidor.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <optional>

namespace DiretorioNoServidor {

namespace {

const QString kServidor = QStringLiteral("tellumo-banco.servidor");
const QString kArquivo = QStringLiteral("tellumo-banco.arquivo");

// A table of the directory, its columns (identity first where it has one), and how the
// tool names its rows.
struct Tabela
{
    const char *nome;
    QStringList colunas;
    const char *identidade; // nullptr: none
    const char *rotulo;
    // Other places of the file that name identifiers of this table: a deleted row's
    // identifier lives on there and is never handed to a new row.
    QStringList citacoes;
};

const Tabela kTabelas[] = {
    {"Usuarios", {"ID_Usuario", "Nome_Usuario", "ID_Pager", "Descricao", "Data_Cadastro"},
        "ID_Usuario", "usuários",
        {"SELECT MAX(ID_Usuario) FROM Log", "SELECT MAX(ID_Usuario) FROM Usuario_Grupo"}},
    {"Grupos", {"ID_Grupo", "Nome_Grupo", "Descricao_Grupo"}, "ID_Grupo", "grupos",
        {"SELECT MAX(ID_Grupo) FROM Usuario_Grupo"}},
    {"Usuario_Grupo", {"ID_Usuario", "ID_Grupo"}, nullptr, "participações em grupos", {}},
    // The log's row numbers too, so the history keeps the file's order of equal rows.
    {"Log", {"rowid", "Data", "Hora", "Usuario", "Mensagem", "ID_Pager", "ID_Usuario"}, "rowid",
        "mensagens do histórico", {}},
};

void fecha(const QString &conexao)
{
    if (!QSqlDatabase::contains(conexao))
        return;
    QSqlDatabase::database(conexao, false).close();
    QSqlDatabase::removeDatabase(conexao);
}

// The open connections, closed whatever way the command ends.
struct Conexoes
{
    ~Conexoes()
    {
        fecha(kServidor);
        fecha(kArquivo);
    }
};

QString erroDe(const QSqlQuery &q)
{
    return q.lastError().databaseText().trimmed();
}

// How many of the directory's tables the server's database already holds, and whether
// any of them has rows.
struct Existente
{
    int tabelas = 0;
    bool comLinhas = false;
};

std::optional<Existente> existente(const QSqlDatabase &db, QString *erro)
{
    Existente e;
    for (const Tabela &t : kTabelas) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT to_regclass('%1') IS NOT NULL")
                        .arg(QString::fromLatin1(t.nome).toLower()))
            || !q.next()) {
            *erro = erroDe(q);
            return std::nullopt;
        }
        if (!q.value(0).toBool())
            continue;
        ++e.tabelas;
        if (!q.exec(
                QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(QString::fromLatin1(t.nome)))
            || !q.next()) {
            *erro = erroDe(q);
            return std::nullopt;
        }
        e.comLinhas = e.comLinhas || q.value(0).toBool();
    }
    return e;
}

// Opens the server and runs `passos` in one transaction; false (nothing kept) when
// anything fails, the reason already written.
bool noServidor(const QString &conexao, QTextStream &erros,
    const std::function<bool(const QSqlDatabase &, const Existente &)> &passos)
{
    QString motivo;
    const QSqlDatabase db = Servidor::Abre(conexao, kServidor, &motivo);
    if (!db.isOpen()) {
        erros << "Não foi possível abrir o banco de dados do servidor: " << motivo << Qt::endl;
        return false;
    }
    QSqlDatabase banco = db;
    if (!banco.transaction()) {
        erros << "O servidor recusou a transação: " << banco.lastError().databaseText() << Qt::endl;
        return false;
    }
    QString erro;
    const auto e = existente(banco, &erro);
    bool ok = e.has_value();
    if (!ok)
        erros << "Não foi possível consultar o servidor: " << erro << Qt::endl;
    ok = ok && passos(banco, *e);
    if (ok && !banco.commit()) {
        erros << "O servidor recusou a gravação: " << banco.lastError().databaseText() << Qt::endl;
        ok = false;
    }
    if (!ok)
        banco.rollback();
    return ok;
}

bool criaTabelas(const QSqlDatabase &db, QTextStream &erros)
{
    QString erro;
    if (Servidor::CriaEsquema(db, &erro))
        return true;
    erros << "Não foi possível criar as tabelas: " << erro << Qt::endl;
    return false;
}

// Copies one table row by row (the file's order of insertion); -1 on failure.
int copiaTabela(
    const QSqlDatabase &origem, const QSqlDatabase &destino, const Tabela &t, QTextStream &erros)
{
    const QString nome = QString::fromLatin1(t.nome);
    const QString colunas = t.colunas.join(QStringLiteral(", "));
    QSqlQuery le(origem);
    le.setForwardOnly(true);
    if (!le.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(colunas, nome))) {
        erros << "Não foi possível ler a tabela " << nome << " do arquivo: " << erroDe(le)
              << Qt::endl;
        return -1;
    }
    QStringList marcas;
    for (qsizetype i = 0; i < t.colunas.size(); ++i)
        marcas.append(QStringLiteral("?"));
    QSqlQuery grava(destino);
    if (!grava.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(nome, colunas, marcas.join(QStringLiteral(", "))))) {
        erros << "O servidor recusou a tabela " << nome << ": " << erroDe(grava) << Qt::endl;
        return -1;
    }
    int linhas = 0;
    while (le.next()) {
        for (qsizetype i = 0; i < t.colunas.size(); ++i) {
            const QVariant v = le.value(int(i));
            const bool numero = t.colunas.at(i) == QLatin1String("ID_Usuario")
                || t.colunas.at(i) == QLatin1String("ID_Grupo");
            const bool chave = t.colunas.at(i) == QLatin1String("rowid");
            // The file may hold NULLs where the server's columns hold empty texts or 0.
            if (v.isNull())
                grava.bindValue(int(i), numero ? QVariant(0) : QVariant(QStringLiteral("")));
            else
                grava.bindValue(int(i),
                    chave        ? QVariant(v.toLongLong())
                        : numero ? QVariant(v.toInt())
                                 : QVariant(v.toString()));
        }
        if (!grava.exec()) {
            erros << "O servidor recusou a linha " << linhas + 1 << " da tabela " << nome << ": "
                  << erroDe(grava) << Qt::endl;
            return -1;
        }
        ++linhas;
    }
    if (le.lastError().isValid()) {
        erros << "Não foi possível ler a tabela " << nome << " do arquivo: " << erroDe(le)
              << Qt::endl;
        return -1;
    }
    return linhas;
}

// The highest identifier the file ever gave or names for table `t`: its AUTOINCREMENT
// high-water mark (which outlives deleted rows), its rows, and the places that cite them.
std::optional<qint64> maiorIdentidade(const QSqlDatabase &arquivo, const Tabela &t)
{
    const QString nome = QString::fromLatin1(t.nome);
    QStringList consultas = t.citacoes;
    consultas.append(QStringLiteral("SELECT MAX(%1) FROM %2").arg(t.identidade, nome));
    QSqlQuery q(arquivo);
    if (!q.exec(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'sqlite_sequence'")))
        return std::nullopt;
    if (q.next())
        consultas.append(
            QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = '%1'").arg(nome));
    qint64 maior = 0;
    for (const QString &sql : consultas) {
        if (!q.exec(sql))
            return std::nullopt;
        while (q.next())
            maior = std::max(maior, q.value(0).toLongLong());
    }
    return maior;
}

// New rows of the server take identifiers after every one the file gave or names.
bool avancaIdentidade(
    const QSqlDatabase &arquivo, const QSqlDatabase &db, const Tabela &t, QTextStream &erros)
{
    const QString nome = QString::fromLatin1(t.nome);
    const QString coluna = QString::fromLatin1(t.identidade);
    const std::optional<qint64> maior = maiorIdentidade(arquivo, t);
    if (!maior) {
        erros << "Não foi possível ler a numeração de " << nome << " do arquivo." << Qt::endl;
        return false;
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                             "GREATEST(COALESCE(MAX(%2), 0), ?) + 1, false) FROM %1")
                  .arg(nome.toLower(), coluna.toLower()));
    q.addBindValue(*maior);
    if (q.exec())
        return true;
    erros << "Não foi possível acertar a numeração de " << nome << ": " << erroDe(q) << Qt::endl;
    return false;
}

} // namespace

bool Cria(const QString &conexao, QTextStream &saida, QTextStream &erros)
{
    Conexoes conexoes;
    const bool ok = noServidor(conexao, erros, [&](const QSqlDatabase &db, const Existente &e) {
        if (e.tabelas > 0) {
            erros << "O banco de dados do servidor já contém as tabelas do Tellumo: nada foi "
                     "criado."
                  << Qt::endl;
            return false;
        }
        return criaTabelas(db, erros);
    });
    if (ok)
        saida << "Tabelas do diretório do Tellumo criadas no servidor." << Qt::endl;
    return ok;
}

bool Copia(const QString &arquivo, const QString &conexao, QTextStream &saida, QTextStream &erros)
{
    Conexoes conexoes;
    if (!QFileInfo(arquivo).isFile()) {
        erros << "O arquivo \"" << arquivo << "\" não foi encontrado." << Qt::endl;
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kArquivo);
        db.setDatabaseName(arquivo);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open() || !TemEsquemaCompleto(db)) {
            erros << "O arquivo \"" << arquivo << "\" não é um diretório do Tellumo." << Qt::endl;
            return false;
        }
    }
    QSqlDatabase origem = QSqlDatabase::database(kArquivo, false);
    // Every table from one snapshot of the file: a Tellumo writing it meanwhile cannot make
    // the copy hold memberships of users it did not copy. The snapshot ends with the
    // connection.
    if (!origem.transaction()) {
        erros << "Não foi possível ler o arquivo \"" << arquivo
              << "\": " << origem.lastError().databaseText() << Qt::endl;
        return false;
    }
    QStringList copiados;
    const bool ok = noServidor(conexao, erros, [&](const QSqlDatabase &db, const Existente &e) {
        if (e.comLinhas) {
            erros << "O banco de dados do servidor já contém um diretório do Tellumo: nada "
                     "foi copiado."
                  << Qt::endl;
            return false;
        }
        if (e.tabelas == 0 && !criaTabelas(db, erros))
            return false;
        for (const Tabela &t : kTabelas) {
            const int linhas = copiaTabela(origem, db, t, erros);
            if (linhas < 0 || (t.identidade && !avancaIdentidade(origem, db, t, erros)))
                return false;
            copiados.append(QStringLiteral("%1 %2").arg(linhas).arg(QString::fromUtf8(t.rotulo)));
        }
        return true;
    });
    if (ok)
        saida << "Copiados para o servidor: " << copiados.join(QStringLiteral(", ")) << "."
              << Qt::endl;
    return ok;
}

} // namespace DiretorioNoServidor
