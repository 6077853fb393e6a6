// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transacao.h"

#include "MotorDoBanco.h"

Transacao::Transacao(QSqlDatabase banco, motor::Tranca tranca)
    : banco_(std::move(banco))
{
    iniciada_ = motor::IniciaGravacao(banco_, &erro_, tranca);
}

Transacao::~Transacao()
{
    if (iniciada_ && !confirmada_)
        motor::Encerra(banco_, false, nullptr);
}

bool Transacao::Confirma()
{
    if (!iniciada_)
        return false;
    confirmada_ = motor::Encerra(banco_, true, &erro_);
    return confirmada_;
}
