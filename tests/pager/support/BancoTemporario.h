// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoNoServidor.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh, empty directory opened as the program's own connection (BancoDeDados) for the
// lifetime of the object; closed and removed afterwards. It is a "Pager.Mdb" in a
// temporary folder, or, when the test runs with TELLUMO_TESTE_MOTOR=postgres, a database
// of its own on the suite's PostgreSQL cluster: one test source serves both engines.
class BancoTemporario
{
public:
    BancoTemporario();
    ~BancoTemporario();

    BancoTemporario(const BancoTemporario &) = delete;
    BancoTemporario &operator=(const BancoTemporario &) = delete;

    // True when this run of the test is on the server.
    static bool NoServidor();

    // True when the directory was made and the connection opened; else Erro() says why.
    bool Aberto() const { return aberto_; }
    const QString &Erro() const { return erro_; }

    // The file's folder and path (SQLite only).
    QString Pasta() const { return pasta_.path(); }
    QString Caminho() const;

    // The directory goes away under the open connection: the file is deleted, or the
    // server ends the connection.
    bool PerdeOBanco();

    // One more connection named `conexao` to the same directory (another operator's
    // Tellumo), waiting up to `esperaMs` for the locks of the others.
    QSqlDatabase AbreOutraConexao(const QString &conexao, int esperaMs = 5000) const;

private:
    QTemporaryDir pasta_;
    std::unique_ptr<BancoNoServidor> servidor_;
    QString erro_;
    bool aberto_ = false;
};
