// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"

#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/directory/OrdemAlfabetica.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace BancoDeTeste {

QString CaminhoEsquema()
{
    return QStringLiteral(TELLUMO_ESQUEMA);
}

bool CriaBancoVazio(const QString &pasta, const QString &nomeArquivo, QString *erro)
{
    auto falha = [erro](const QString &texto) {
        if (erro)
            *erro = texto;
        return false;
    };
    QFile esquema(CaminhoEsquema());
    if (!esquema.open(QIODevice::ReadOnly | QIODevice::Text))
        return falha(QStringLiteral("esquema ilegível: ") + esquema.fileName());
    QString sql = QString::fromUtf8(esquema.readAll());
    sql.remove(QRegularExpression(QStringLiteral("--[^\n]*")));

    const QString caminho = QDir(pasta).filePath(nomeArquivo);
    QFile::remove(caminho);
    const QString conexao = QStringLiteral("BancoDeTeste.cria");
    bool ok = true;
    QString motivo;
    {
        QSqlDatabase db = AbreConexao(caminho, conexao);
        if (!db.isOpen()) {
            ok = false;
            motivo = db.lastError().text();
        }
        // The tables in one transaction (one write to the disk instead of one per table);
        // the file's settings (PRAGMA) cannot change inside one and come first.
        bool emTransacao = false;
        const QStringList comandos = sql.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &comando : comandos) {
            if (!ok || comando.trimmed().isEmpty())
                continue;
            if (!emTransacao && !comando.trimmed().startsWith(QLatin1String("PRAGMA"))) {
                emTransacao = ok = db.transaction();
                if (!ok)
                    motivo = db.lastError().text();
            }
            QSqlQuery q(db);
            if (!q.exec(comando)) {
                ok = false;
                motivo = q.lastError().text();
            }
        }
        if (ok && emTransacao && !db.commit()) {
            ok = false;
            motivo = db.lastError().text();
        }
    }
    BancoDeTeste::FechaConexao(conexao);
    return ok || falha(motivo);
}

QSqlDatabase AbreConexao(
    const QString &caminho, const QString &conexao, int esperaMs, bool somenteLeitura)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao);
    db.setDatabaseName(caminho);
    QString opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(esperaMs);
    if (somenteLeitura)
        opcoes += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(opcoes);
    // Another operator's Tellumo sorts as this one does.
    if (db.open())
        ordem::RegistraNaConexao(db);
    return db;
}

void FechaConexao(const QString &conexao)
{
    if (!QSqlDatabase::contains(conexao))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(conexao, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(conexao);
}

QStringList Coluna(std::optional<Instantaneo> instantaneo, const QString &coluna)
{
    if (!instantaneo)
        return {QStringLiteral("<falhou>")};
    QStringList valores;
    for (; !instantaneo->NoFim(); instantaneo->Proximo())
        valores.append(instantaneo->Campo(coluna).toString());
    return valores;
}

QVariant Valor(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0);
}

std::optional<Instantaneo> ListaLog(std::optional<int> idUsuario)
{
    // The program's read first, so a failing directory fails here as in the history.
    Diretorio diretorio;
    if (!diretorio.ChavesDoLog(idUsuario))
        return std::nullopt;
    QSqlQuery q(BancoDeDados());
    q.prepare(QStringLiteral("SELECT * FROM Log") + (idUsuario ? " WHERE ID_Usuario = ?" : "")
        + QStringLiteral(" ORDER BY Data, Hora, Usuario COLLATE ") + ordem::Alfabetica());
    if (idUsuario)
        q.addBindValue(*idUsuario);
    Instantaneo linhas;
    if (!q.exec() || !linhas.Copia(q))
        return std::nullopt;
    return linhas;
}

} // namespace BancoDeTeste
