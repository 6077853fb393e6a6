// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoTemporario.h"

#include "BancoDeTeste.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Servidor.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

bool BancoTemporario::NoServidor()
{
    return qEnvironmentVariable("TELLUMO_TESTE_MOTOR") == QLatin1String("postgres");
}

BancoTemporario::BancoTemporario()
{
    if (NoServidor()) {
        servidor_ = std::make_unique<BancoNoServidor>();
        if (!servidor_->Criado()) {
            erro_ = servidor_->Erro();
            return;
        }
        aberto_ = AbreServidor(servidor_->Conexao(), &erro_);
        return;
    }
    if (!pasta_.isValid()) {
        erro_ = QStringLiteral("pasta temporária não criada");
        return;
    }
    if (!BancoDeTeste::CriaBancoVazio(pasta_.path(), QStringLiteral("Pager.Mdb"), &erro_))
        return;
    aberto_ = AbreBancoDeDados(pasta_.path(), QStringLiteral("Pager.Mdb"));
    if (!aberto_)
        erro_ = QStringLiteral("AbreBancoDeDados recusou o banco criado");
}

BancoTemporario::~BancoTemporario()
{
    FechaBancoDeDados();
}

QString BancoTemporario::Caminho() const
{
    return QDir(pasta_.path()).filePath(QStringLiteral("Pager.Mdb"));
}

bool BancoTemporario::PerdeOBanco()
{
    return servidor_ ? servidor_->DerrubaConexoes(true) : QFile::remove(Caminho());
}

QSqlDatabase BancoTemporario::AbreOutraConexao(const QString &conexao, int esperaMs) const
{
    if (!servidor_)
        return BancoDeTeste::AbreConexao(Caminho(), conexao, esperaMs);
    // A writer waits for another's lock at most this long, as the file's busy timeout.
    QSqlDatabase db = Servidor::Abre(servidor_->Conexao(), conexao, nullptr);
    if (db.isOpen())
        QSqlQuery(db).exec(QStringLiteral("SET lock_timeout = %1").arg(esperaMs));
    return db;
}
