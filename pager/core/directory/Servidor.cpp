// SPDX-License-Identifier: GPL-3.0-or-later
#include "Servidor.h"

#include "EsquemaServidorTexto.h"
#include "MotorDoBanco.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>

namespace Servidor {

namespace {

const QString kIndicacao
    = QStringLiteral("a indicação do servidor (\"Servidor\" da seção [BANCO] de Tellumo.INI)");

// Settings the program refuses before libpq sees them; the answer never repeats the value,
// which may hold a password.
QString Recusa(const QString &conexao)
{
    static const QRegularExpression senha(
        QStringLiteral("(^|\\s)password\\s*="), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression endereco(
        QStringLiteral("^\\s*postgres(ql)?://"), QRegularExpression::CaseInsensitiveOption);
    if (conexao.contains(senha))
        return kIndicacao
            + QStringLiteral(" não pode conter a senha: guarde-a no arquivo ~/.pgpass ou na "
                             "variável PGPASSWORD do libpq.");
    if (conexao.contains(endereco))
        return kIndicacao
            + QStringLiteral(" deve ser escrita como palavras-chave do libpq (host=... "
                             "dbname=... user=...), não como endereço postgres://; a senha vem "
                             "de ~/.pgpass ou PGPASSWORD.");
    // Qt's driver turns every ';' of its options into a blank, so libpq would read another
    // value than the one typed.
    if (conexao.contains(QLatin1Char(';')))
        return kIndicacao
            + QStringLiteral(" não pode conter ponto e vírgula; um valor que precise dele vai "
                             "num serviço do libpq (~/.pg_service.conf, service=...).");
    return {};
}

} // namespace

QSqlDatabase Abre(const QString &conexao, const QString &nome, QString *motivo)
{
    const QString driver = QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        if (motivo)
            *motivo = QStringLiteral("o acesso a servidores PostgreSQL não está instalado "
                                     "neste computador (pacote libqt6sql6-psql).");
        return {};
    }
    if (const QString recusa = Recusa(conexao); !recusa.isEmpty()) {
        if (motivo)
            *motivo = recusa;
        return {};
    }
    bool aberto = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, nome);
        // The driver adds its connect options to libpq's connection string as they stand
        // (but for ';', refused above), so every libpq keyword of the setting reaches libpq.
        db.setConnectOptions(conexao);
        aberto = db.open() && motor::Prepara(db);
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
    bool repeteLibpq = true;
    // The server's refusal comes after libpq's "connection to server ... failed:", so it is
    // looked for first.
    if (tem("password") || tem("authentication") || tem("pg_hba.conf") || tem("role \""))
        motivo = QStringLiteral("o servidor recusou o usuário ou a senha.");
    else if (tem("database \"") && tem("does not exist"))
        motivo = QStringLiteral("o banco de dados indicado não existe no servidor.");
    else if (tem("invalid connection option") || tem("missing \"=\"")
        || tem("unterminated quoted string") || tem("invalid sslmode") || tem("invalid port")
        || tem("invalid integer value") || tem("invalid value")) {
        motivo = kIndicacao + QStringLiteral(" não está escrita corretamente.");
        // libpq quotes the faulty part of the setting here, which may be a password.
        repeteLibpq = false;
    } else if (tem("connection refused") || tem("no such file") || tem("could not translate")
        || tem("timeout") || tem("timed out") || tem("could not connect") || tem("no route")
        || tem("connection to server"))
        motivo = QStringLiteral("o servidor de banco de dados não respondeu.");
    else
        motivo = QStringLiteral("o servidor de banco de dados não aceitou a ligação.");
    // libpq's own first line, for whoever keeps the server, without any "key=value" it
    // may have quoted from the setting.
    static const QRegularExpression parDaIndicacao(QStringLiteral("\"[^\"]*=[^\"]*\"|\\S+=\\S*"));
    QString linha = texto.section(QLatin1Char('\n'), 0, 0);
    linha.replace(parDaIndicacao, QStringLiteral("..."));
    linha = linha.trimmed();
    if (!repeteLibpq || linha.isEmpty())
        return motivo;
    return motivo + QStringLiteral(" (") + linha + QLatin1Char(')');
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
