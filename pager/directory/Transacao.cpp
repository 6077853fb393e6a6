#include "Transacao.h"

#include <QSqlQuery>

Transacao::Transacao(QSqlDatabase banco)
    : banco_(std::move(banco))
{
    // The embedded engine's plain BEGIN would read first and ask for the write lock only
    // at the first change, after another operator may have written what was just checked.
    if (banco_.driverName() == QLatin1String("QSQLITE")) {
        QSqlQuery inicio(banco_);
        iniciada_ = inicio.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!iniciada_)
            erro_ = inicio.lastError();
        return;
    }
    iniciada_ = banco_.transaction();
    if (!iniciada_)
        erro_ = banco_.lastError();
}

Transacao::~Transacao()
{
    if (iniciada_ && !confirmada_)
        banco_.rollback();
}

bool Transacao::Confirma()
{
    if (!iniciada_)
        return false;
    // Through a statement of its own: QSqlDatabase::commit() drops the engine's error code,
    // and a full disk would then be told in the engine's English words.
    QSqlQuery commit(banco_);
    confirmada_ = commit.exec(QStringLiteral("COMMIT"));
    if (!confirmada_)
        erro_ = commit.lastError();
    return confirmada_;
}
