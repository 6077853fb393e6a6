// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diretorio.h"
#include "OrdemAlfabetica.h"

#include <QSqlError>
#include <QStringList>

namespace {

// Statements 28 and 29 and the keys of their rows: chronological, ties by name in
// Portuguese alphabetical order.
QString OrdemDoLog()
{
    return QStringLiteral(" ORDER BY Data, Hora, Usuario COLLATE ") + ordem::Alfabetica();
}

// The column that tells one log row from every other: the Log table has no key of its
// own, and its rows may repeat every value. The file engine numbers every row anyway;
// a server engine names its own key column here.
QString ChaveDoLog()
{
    return QStringLiteral("rowid");
}

} // namespace

std::optional<QList<qint64>> Diretorio::ChavesDoLog(std::optional<int> idUsuario)
{
    QString sql = QStringLiteral("SELECT ") + ChaveDoLog() + QStringLiteral(" FROM Log");
    QVariantList valores;
    if (idUsuario) {
        sql += QStringLiteral(" WHERE ID_Usuario = ?");
        valores.append(*idUsuario);
    }
    auto consulta = Executa(sql + OrdemDoLog(), valores, Acesso::Leitura, true);
    if (!consulta)
        return std::nullopt;
    QList<qint64> chaves;
    while (consulta->next())
        chaves.append(consulta->value(0).toLongLong());
    // A walk cut short by the engine must not pass for the whole log.
    if (consulta->lastError().isValid()) {
        QSqlDatabase banco = Banco();
        FalhouCom(banco, consulta->lastError(), Acesso::Leitura);
        return std::nullopt;
    }
    return chaves;
}

std::optional<Instantaneo> Diretorio::LinhasDoLog(const QList<qint64> &chaves)
{
    if (chaves.isEmpty())
        return Instantaneo();
    QStringList marcas(chaves.size(), QStringLiteral("?"));
    QVariantList valores;
    valores.reserve(chaves.size());
    for (const qint64 chave : chaves)
        valores.append(chave);
    return Le(QStringLiteral("SELECT ") + ChaveDoLog()
            + QStringLiteral(" AS Chave, * FROM Log WHERE ") + ChaveDoLog()
            + QStringLiteral(" IN (") + marcas.join(QLatin1Char(',')) + QLatin1Char(')'),
        valores);
}

namespace {

const QString kInsereNoLog = QStringLiteral(
    "INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, ID_Usuario) VALUES (?, ?, ?, "
    "?, ?, ?)");

// Text order of "yyyymmdd" and a 24-hour "hh:mm" is chronological order.
QVariantList ValoresDoLog(const Diretorio::LinhaDoLog &linha)
{
    return {linha.momento.toString(QStringLiteral("yyyyMMdd")),
        linha.momento.toString(QStringLiteral("hh:mm")), linha.usuario, linha.mensagem,
        linha.idPager, linha.idUsuario};
}

} // namespace

bool Diretorio::GravaLog(const QDateTime &momento, const QString &usuario, const QString &mensagem,
    const QString &idPager, int idUsuario)
{
    // The page was delivered: a row lost with the server connection is written once more on
    // the reopened one (a row the server committed just before the connection died then
    // shows twice).
    return Executa(kInsereNoLog, ValoresDoLog({momento, usuario, mensagem, idPager, idUsuario}),
        Acesso::Gravacao, true)
        .has_value();
}

bool Diretorio::GravaLogs(const QList<LinhaDoLog> &linhas)
{
    if (linhas.isEmpty())
        return true;
    QSqlDatabase banco = Banco();
    if (!Disponivel(banco, Acesso::Gravacao))
        return false;
    QSqlQuery consulta(banco);
    bool ok = consulta.prepare(kInsereNoLog);
    for (qsizetype i = 0; ok && i < linhas.size(); ++i) {
        LigaValores(consulta, ValoresDoLog(linhas.at(i)));
        ok = consulta.exec();
    }
    if (!ok)
        FalhouCom(banco, consulta.lastError(), Acesso::Gravacao);
    return ok;
}
