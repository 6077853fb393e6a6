// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "core/queue/FilaDePaginas.h"
#include "core/snpp/DestinosSnpp.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

// What the service's SNPP sessions ask, answered from the directory and its queue on one
// database connection: who a name pages, the accounts of the settings, and the queue that
// takes a transaction's pages. It keeps no rows between calls. It does not decide on a
// pager code the directory does not know (that is Desconhecido here; the session accepts
// it or not by LimitesSnpp::aceitaCodigoAvulso), and never talks to the line. One thread
// only, as its connection.
class DestinosDoDiretorio : public DestinosSnpp
{
public:
    // `contas`: account -> its password's SenhaDeConta::Resumo (empty: no accounts, anyone
    // may page). `limiteDaFila`: most pages waiting or being sent (0: no limit).
    // `aoEnfileirar` runs after each committed request (the service wakes its delivery).
    // `conexao`: the directory's named connection (empty: the program's, BancoDeDados).
    explicit DestinosDoDiretorio(QHash<QString, QByteArray> contas = {}, int limiteDaFila = 0,
        std::function<void()> aoEnfileirar = {}, const QString &conexao = {});

    // A pager code of a user, a user's name (every user of that name) or a group's name
    // (its members), in that order of precedence, each destination once. Falha with the
    // directory's reason when it cannot be read.
    ResolucaoSnpp Resolve(const QString &nome) override;

    bool HaContas() const override { return !m_contas.isEmpty(); }
    // Takes as long for an unknown account as for a wrong password.
    bool ConfereConta(const QString &conta, const QString &senha) override;

    // One request of the queue for the whole transaction, committed before it returns. Its
    // pages must share text, origin and hold time (a transaction's always do); else Falha.
    // Cheia when the queue's limit would be passed; Falha with the reason otherwise.
    ResultadoFila Enfileira(const QList<PaginaSnpp> &paginas) override;

private:
    QHash<QString, QByteArray> m_contas;
    QByteArray m_resumoFalso; // made on first need: checked against for unknown accounts
    int m_limiteDaFila;
    std::function<void()> m_aoEnfileirar;
    Diretorio m_diretorio;
    FilaDePaginas m_fila;
};
