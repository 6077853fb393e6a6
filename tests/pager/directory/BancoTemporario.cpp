#include "BancoTemporario.h"

#include "BancoDeTeste.h"
#include "directory/BancoDeDados.h"

#include <QDir>

BancoTemporario::BancoTemporario()
{
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
