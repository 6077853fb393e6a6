// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/FilaDePaginas.h"
#include "core/queue/PaginaDaFila.h"
#include "core/queue/PoliticaDeRepeticao.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

class ChamadaTAP;
class Modulo;

// What one delivery did, for the service's log.
struct ResumoDaEntrega
{
    int entregues = 0;
    int recusadas = 0;
    int adiadas = 0; // waiting for their next try
    int desistidas = 0;

    // "2 entregue(s), 1 recusada(s), 0 adiada(s), 0 desistida(s)"
    QString Texto() const;
};

// The delivery of claimed queue pages in one call to the paging service: dial (or connect)
// once, log on once, one page after another, and, before logging off, the pages that fell
// due meanwhile. Each page ends in the queue as its verdict says: accepted -> entregue (with
// its Log row, by the queue), refused -> recusada, and when the call fails (busy, no answer,
// lost line, time-out, the service hanging up) that page and every page not yet sent wait
// for their next try or are given up, as the policy says. One log line per page.
//
// Accepted pages are committed a few at a time, not one by one: a commit costs more than a
// page's exchange on a fast line. They are committed once kGrupo of them wait, once the
// oldest has waited kIntervalo seconds (checked at each acceptance), and always before a
// refusal, a failure, the claim of more pages or the log-off. So a process killed mid-call
// leaves at most kGrupo pages the terminal acknowledged still `enviando`: the only pages
// sent twice after a restart.
//
// The line, clock, message box and status line come lent in the Modulo, the queue too; it
// owns none of them, decides nothing about when to deliver, and never leaves the line
// off-hook.
class EntregaDaFila
{
public:
    // The time now, in UTC (one reading per page ended).
    using Calendario = std::function<QDateTime()>;

    // Accepted pages committed together, at most (the bound on pages resent after a kill).
    static constexpr int kGrupo = 20;
    // How long accepted pages may wait for their commit, looked at whenever another page is
    // accepted (so a verdict slow to come, at most the TAP reply window, may add to it).
    static constexpr double kIntervalo = 0.25;

    EntregaDaFila(Modulo &modulo, FilaDePaginas &fila, PoliticaDeRepeticao politica,
        QString servico, Calendario calendario = &QDateTime::currentDateTimeUtc, int lote = 100);

    // Delivers `paginas` (claimed by `servico`, `enviando`) and whatever the queue has due
    // for `servico` before the call ends, claimed `lote` at a time. Nothing is dialed for
    // an empty list.
    ResumoDaEntrega Entrega(QList<PaginaDaFila> paginas);

private:
    // Sends one page; false when the call failed (the page is not ended then).
    bool Envia(ChamadaTAP &chamada, const PaginaDaFila &pagina);
    // Commits the accepted pages not committed yet, and logs each.
    void Confirma();
    void Recusa(const PaginaDaFila &pagina, const QString &razao);
    // The pages from `desde` on wait for their next try, or are given up.
    void Adia(const QList<PaginaDaFila> &paginas, qsizetype desde, const QString &razao);
    QList<PaginaDaFila> MaisPaginas();
    void Registra(bool falha, const PaginaDaFila &pagina, const QString &resultado);

    Modulo &m_modulo;
    FilaDePaginas &m_fila;
    PoliticaDeRepeticao m_politica;
    QString m_servico;
    Calendario m_calendario;
    int m_lote;
    ResumoDaEntrega m_resumo;
    // Accepted, not committed yet: the pages, when each was accepted, and when (on the
    // Modulo's clock) the first of them was.
    QList<PaginaDaFila> m_aceitas;
    QList<FilaDePaginas::Aceita> m_momentos;
    double m_primeiraAceita = 0;
};
