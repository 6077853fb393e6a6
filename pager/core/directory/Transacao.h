// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MotorDoBanco.h"

#include <QSqlDatabase>
#include <QSqlError>

// Scope guard for a change made of several statements: begins in the constructor and
// rolls back in the destructor unless Confirma() succeeded, so an early return or a
// failing statement leaves the stored data exactly as it was. It is a write transaction
// from its first moment: it takes the file's write lock at once (waiting for another
// operator's change for at most about 5 s, as MotorDoBanco decides), so a check it reads
// (a duplicate, a row that must still exist) stays true until its change is committed.
// Never throws; one guard per connection at a time (no nesting).
class Transacao
{
public:
    explicit Transacao(QSqlDatabase banco, motor::Tranca tranca = motor::Tranca::Diretorio);
    ~Transacao();

    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;

    // False when the engine refused to begin (then nothing is rolled back).
    bool Iniciada() const { return iniciada_; }

    // Commits; false (and the guard still rolls back) when the engine refused.
    bool Confirma();

    // The engine's error of the failed begin or commit.
    QSqlError Erro() const { return erro_; }

private:
    QSqlDatabase banco_;
    QSqlError erro_;
    bool iniciada_ = false;
    bool confirmada_ = false;
};
