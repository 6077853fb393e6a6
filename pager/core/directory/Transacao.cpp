#include "Transacao.h"

#include <QSqlQuery>

namespace {

// Any number shared by every Tellumo that writes to one server.
constexpr qint64 kTrancaDoDiretorio = 0x54656c6c756d6f;

} // namespace

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
    if (!iniciada_) {
        erro_ = banco_.lastError();
        return;
    }
    // A server lets writers run side by side: the file's one-writer rule comes from one
    // lock every Tellumo takes, held until commit or rollback.
    if (banco_.driverName() == QLatin1String("QPSQL")) {
        QSqlQuery tranca(banco_);
        if (!tranca.exec(
                QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kTrancaDoDiretorio))) {
            erro_ = tranca.lastError();
            banco_.rollback();
            iniciada_ = false;
        }
    }
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
