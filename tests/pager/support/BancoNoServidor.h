// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A database of its own on the suite's PostgreSQL cluster (started by the CTest fixture
// "postgres"), for one test; dropped again by the destructor. Never any other server.
class BancoNoServidor
{
public:
    // An empty database; with `comEsquema` the directory's tables are created in it.
    explicit BancoNoServidor(bool comEsquema = true);
    ~BancoNoServidor();

    BancoNoServidor(const BancoNoServidor &) = delete;
    BancoNoServidor &operator=(const BancoNoServidor &) = delete;

    // True when the database was made; else Erro() says why.
    bool Criado() const { return criado_; }
    const QString &Erro() const { return erro_; }

    // libpq connection string of this database, as the cluster's superuser.
    QString Conexao() const;
    // The same database as a role whose password nobody gives: every login is refused.
    QString ConexaoSemSenha() const;

    // Ends every connection to this database, as a server restarting would; with
    // `eRecusaNovas` it refuses new ones too, as a server that went away for good.
    bool DerrubaConexoes(bool eRecusaNovas = false);

    // The cluster's own connection string (empty when no cluster runs for the suite).
    static QString ConexaoDoCluster();

private:
    QString nome_;
    QString erro_;
    bool criado_ = false;
};
