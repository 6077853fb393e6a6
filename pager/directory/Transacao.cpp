#include "Transacao.h"

Transacao::Transacao(QSqlDatabase banco)
    : banco_(std::move(banco))
{
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
    confirmada_ = banco_.commit();
    if (!confirmada_)
        erro_ = banco_.lastError();
    return confirmada_;
}
