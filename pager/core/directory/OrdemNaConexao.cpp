// SPDX-License-Identifier: GPL-3.0-or-later
// The two comparisons of OrdemAlfabetica taught to a connection of the file's engine.
#include "OrdemAlfabetica.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace {

int Alfabetica(void *, int na, const void *a, int nb, const void *b)
{
    return ordem::Compara(QByteArrayView(static_cast<const char *>(a), na),
        QByteArrayView(static_cast<const char *>(b), nb));
}

int SemCaixa(void *, int na, const void *a, int nb, const void *b)
{
    return ordem::ComparaSemCaixa(QByteArrayView(static_cast<const char *>(a), na),
        QByteArrayView(static_cast<const char *>(b), nb));
}

} // namespace

namespace ordem {

bool RegistraNaConexao(const QSqlDatabase &banco)
{
    if (banco.driverName() != QLatin1String("QSQLITE"))
        return true;
    const QVariant handle = banco.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *conexao = *static_cast<sqlite3 *const *>(handle.constData());
    const QByteArray alfabetica = Alfabetica().toLatin1();
    const QByteArray semCaixa = SemCaixa().toLatin1();
    return conexao
        && sqlite3_create_collation(
               conexao, alfabetica.constData(), SQLITE_UTF8, nullptr, &::Alfabetica)
        == SQLITE_OK
        && sqlite3_create_collation(
               conexao, semCaixa.constData(), SQLITE_UTF8, nullptr, &::SemCaixa)
        == SQLITE_OK;
}

} // namespace ordem
