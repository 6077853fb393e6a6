#include "Servidor.h"

#include "EsquemaServidorTexto.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>

namespace Servidor {

QSqlDatabase Abre(const QString &conexao, const QString &nome, QString *motivo)
{
    const QString driver = QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        if (motivo)
            *motivo = QStringLiteral("o acesso a servidores PostgreSQL não está instalado "
                                     "neste computador (pacote libqt6sql6-psql).");
        return {};
    }
    bool aberto = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, nome);
        // The driver adds its connect options to libpq's connection string as they stand,
        // so every libpq keyword of the setting reaches libpq unchanged.
        db.setConnectOptions(conexao);
        aberto = db.open();
        if (!aberto && motivo)
            *motivo = Motivo(db.lastError());
    }
    if (!aberto) {
        QSqlDatabase::removeDatabase(nome);
        return {};
    }
    return QSqlDatabase::database(nome, false);
}

QString Motivo(const QSqlError &erro)
{
    const QString texto = erro.databaseText().trimmed();
    const auto tem = [&texto](const char *trecho) {
        return texto.contains(QLatin1String(trecho), Qt::CaseInsensitive);
    };
    QString motivo;
    if (tem("password") || tem("authentication") || tem("pg_hba.conf") || tem("role \""))
        motivo = QStringLiteral("o servidor recusou o usuário ou a senha.");
    else if (tem("database \"") && tem("does not exist"))
        motivo = QStringLiteral("o banco de dados indicado não existe no servidor.");
    else if (tem("invalid connection option") || tem("missing \"=\"")
        || tem("unterminated quoted string") || tem("invalid sslmode") || tem("invalid port"))
        motivo = QStringLiteral("a indicação do servidor (\"Servidor\" da seção [BANCO] de "
                                "Tellumo.INI) não está escrita corretamente.");
    else if (tem("connection refused") || tem("no such file") || tem("could not translate")
        || tem("timeout") || tem("timed out") || tem("could not connect") || tem("no route")
        || tem("connection to server"))
        motivo = QStringLiteral("o servidor de banco de dados não respondeu.");
    else
        motivo = QStringLiteral("o servidor de banco de dados não aceitou a ligação.");
    // libpq's own first line, for whoever keeps the server.
    const QString linha = texto.section(QLatin1Char('\n'), 0, 0).trimmed();
    return linha.isEmpty() ? motivo : motivo + QStringLiteral(" (") + linha + QLatin1Char(')');
}

QString Esquema()
{
    return QString::fromUtf8(kEsquemaServidor);
}

bool CriaEsquema(const QSqlDatabase &db, QString *erro)
{
    QString sql = Esquema();
    sql.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    const QStringList comandos = sql.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &comando : comandos) {
        if (comando.trimmed().isEmpty())
            continue;
        QSqlQuery q(db);
        if (!q.exec(comando)) {
            if (erro)
                *erro = q.lastError().databaseText().trimmed();
            return false;
        }
    }
    return true;
}

} // namespace Servidor
