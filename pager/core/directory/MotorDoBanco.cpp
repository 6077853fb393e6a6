// SPDX-License-Identifier: GPL-3.0-or-later
#include "MotorDoBanco.h"

#include "OrdemAlfabetica.h"

#include <QSqlQuery>

namespace motor {

namespace {

// Any number shared by every Tellumo that writes to one server.
constexpr qint64 kTrancaDoDiretorio = 0x54656c6c756d6f;

bool Executa(QSqlDatabase &banco, const QString &sql, QSqlError *erro = nullptr)
{
    QSqlQuery q(banco);
    if (q.exec(sql))
        return true;
    if (erro)
        *erro = q.lastError();
    return false;
}

} // namespace

Tipo De(const QSqlDatabase &banco)
{
    return banco.driverName() == QLatin1String("QPSQL") ? Tipo::Servidor : Tipo::Arquivo;
}

bool Prepara(QSqlDatabase &banco)
{
    if (De(banco) == Tipo::Servidor) {
        // As the file's busy time-out: a change another operator holds up is refused after
        // kEsperaMs ("em uso por outro operador") instead of waiting without end. Writes
        // begin at READ COMMITTED themselves; reads outside a change see the newest rows.
        return Executa(banco, QStringLiteral("SET lock_timeout = %1").arg(kEsperaMs))
            && Executa(
                banco, QStringLiteral("SET default_transaction_isolation = 'read committed'"));
    }
    if (!ordem::RegistraNaConexao(banco))
        return false;
    Executa(banco, QStringLiteral("PRAGMA foreign_keys = OFF"));
    // With the write-ahead log this keeps every commit atomic and the file sound; a power
    // cut may only lose the last commits. Waiting for the disk on each commit would make
    // every log row of a transmission cost several milliseconds.
    Executa(banco, QStringLiteral("PRAGMA synchronous = NORMAL"));
    // The lists walk a name index and fetch each row from the table in the index's order,
    // and the history fetches its rows one page at a time in date order. With the
    // engine's default 2 MB cache a directory of tens of thousands of users no longer
    // fits, and nearly every row becomes a read from the file; 64 MB holds such a
    // directory whole and is only taken as pages are read.
    Executa(banco, QStringLiteral("PRAGMA cache_size = -65536"));
    return true;
}

QString IgualSemCaixa(const QSqlDatabase &banco, const QString &coluna)
{
    if (De(banco) == Tipo::Servidor)
        return QStringLiteral("lower(%1 COLLATE %2) = lower(? COLLATE %2)")
            .arg(coluna, ordem::Alfabetica());
    return QStringLiteral("%1 = ? COLLATE %2").arg(coluna, ordem::SemCaixa());
}

bool IniciaGravacao(QSqlDatabase &banco, QSqlError *erro, Tranca tranca)
{
    // The file's plain BEGIN would read first and ask for the write lock only at the first
    // change, after another operator may have written what was just checked.
    if (De(banco) == Tipo::Arquivo)
        return Executa(banco, QStringLiteral("BEGIN IMMEDIATE"), erro);
    // A server lets writers run side by side: the file's one-writer rule comes from one
    // lock every Tellumo takes, held until commit or rollback. Its wait ends with the
    // connection's lock time-out.
    if (!Executa(banco, QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED"), erro))
        return false;
    if (tranca == Tranca::Linhas)
        return true;
    if (Executa(banco, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kTrancaDoDiretorio),
            erro))
        return true;
    Executa(banco, QStringLiteral("ROLLBACK"));
    return false;
}

bool Encerra(QSqlDatabase &banco, bool confirma, QSqlError *erro)
{
    // QSqlDatabase::commit() drops the engine's error code, and a full disk would then be
    // told in the engine's English words.
    return Executa(banco, confirma ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"), erro);
}

bool LigacaoPerdida(const QSqlDatabase &banco, const QSqlError &erro)
{
    if (De(banco) != Tipo::Servidor)
        return false;
    if (!banco.isOpen())
        return true;
    const QString codigo = erro.nativeErrorCode();
    const QString texto = erro.databaseText();
    // Class 08 (connection exception) and the server's own shut-down codes; without a
    // code, libpq's words for a connection that broke under it.
    return codigo.startsWith(QLatin1String("08")) || codigo.startsWith(QLatin1String("57P"))
        || texto.contains(QLatin1String("server closed the connection"))
        || texto.contains(QLatin1String("no connection to the server"))
        || texto.contains(QLatin1String("connection to server was lost"))
        || texto.contains(QLatin1String("could not send data to server"))
        || texto.contains(QLatin1String("could not receive data from server"));
}

bool Reabre(QSqlDatabase &banco)
{
    if (De(banco) != Tipo::Servidor)
        return false;
    banco.close();
    if (banco.open() && Prepara(banco))
        return true;
    banco.close();
    return false;
}

} // namespace motor
