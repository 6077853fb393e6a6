// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoNoServidor.h"

#include "core/directory/Servidor.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {

const QString kAdministracao = QStringLiteral("BancoNoServidor.administracao");

// Runs one statement on the cluster's "postgres" database.
bool administra(const QString &sql, QString *erro)
{
    bool ok = false;
    {
        QString motivo;
        const QSqlDatabase db
            = Servidor::Abre(BancoNoServidor::ConexaoDoCluster(), kAdministracao, &motivo);
        if (!db.isOpen()) {
            *erro = QStringLiteral("cluster de teste inacessível: ") + motivo;
            return false;
        }
        QSqlQuery q(db);
        ok = q.exec(sql);
        if (!ok)
            *erro = q.lastError().text();
    }
    QSqlDatabase::database(kAdministracao, false).close();
    QSqlDatabase::removeDatabase(kAdministracao);
    return ok;
}

} // namespace

QString BancoNoServidor::ConexaoDoCluster()
{
    QFile arquivo(QStringLiteral(TELLUMO_PG_CONEXAO));
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(arquivo.readAll()).trimmed();
}

BancoNoServidor::BancoNoServidor(bool comEsquema)
{
    static std::atomic<int> contador{0};
    nome_ = QStringLiteral("tellumo_%1_%2").arg(QCoreApplication::applicationPid()).arg(++contador);
    if (ConexaoDoCluster().isEmpty()) {
        erro_ = QStringLiteral("cluster de teste não iniciado (fixture \"postgres\" da CTest)");
        return;
    }
    if (!administra(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0").arg(nome_), &erro_))
        return;
    criado_ = true;
    if (!comEsquema)
        return;
    const QString conexao = QStringLiteral("BancoNoServidor.esquema");
    {
        QString motivo;
        const QSqlDatabase db = Servidor::Abre(Conexao(), conexao, &motivo);
        if (!db.isOpen() || !Servidor::CriaEsquema(db, &erro_)) {
            criado_ = false;
            if (erro_.isEmpty())
                erro_ = motivo;
        }
    }
    QSqlDatabase::database(conexao, false).close();
    QSqlDatabase::removeDatabase(conexao);
}

BancoNoServidor::~BancoNoServidor()
{
    QString erro;
    administra(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(nome_), &erro);
}

bool BancoNoServidor::DerrubaConexoes(bool eRecusaNovas)
{
    if (eRecusaNovas
        && !administra(
            QStringLiteral("ALTER DATABASE %1 WITH ALLOW_CONNECTIONS false").arg(nome_), &erro_))
        return false;
    return administra(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                     "WHERE datname = '%1' AND pid <> pg_backend_pid()")
                          .arg(nome_),
        &erro_);
}

QString BancoNoServidor::Conexao() const
{
    return ConexaoDoCluster() + QStringLiteral(" dbname=") + nome_;
}

QString BancoNoServidor::ConexaoSemSenha() const
{
    return Conexao() + QStringLiteral(" user=senhada passfile=/nao/existe/pgpass");
}
