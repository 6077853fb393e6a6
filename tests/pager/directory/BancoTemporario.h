#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh "Pager.Mdb" in a temporary folder, opened as the program's own connection
// (BancoDeDados) for the lifetime of the object; closed and removed afterwards.
class BancoTemporario
{
public:
    BancoTemporario();
    ~BancoTemporario();

    BancoTemporario(const BancoTemporario &) = delete;
    BancoTemporario &operator=(const BancoTemporario &) = delete;

    // True when the file was made and the connection opened; else Erro() says why.
    bool Aberto() const { return aberto_; }
    const QString &Erro() const { return erro_; }

    QString Pasta() const { return pasta_.path(); }
    QString Caminho() const;

private:
    QTemporaryDir pasta_;
    QString erro_;
    bool aberto_ = false;
};
