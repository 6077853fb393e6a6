// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/PaginaDaFila.h"
#include "core/queue/PoliticaDeRepeticao.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

class ChamadaTAP;
class FilaDePaginas;
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
// The line, clock, message box and status line come lent in the Modulo, the queue too; it
// owns none of them, decides nothing about when to deliver, and never leaves the line
// off-hook.
class EntregaDaFila
{
public:
    // The time now, in UTC (one reading per page ended).
    using Calendario = std::function<QDateTime()>;

    EntregaDaFila(Modulo &modulo, FilaDePaginas &fila, PoliticaDeRepeticao politica,
        QString servico, Calendario calendario = &QDateTime::currentDateTimeUtc, int lote = 100);

    // Delivers `paginas` (claimed by `servico`, `enviando`) and whatever the queue has due
    // for `servico` before the call ends, claimed `lote` at a time. Nothing is dialed for
    // an empty list.
    ResumoDaEntrega Entrega(QList<PaginaDaFila> paginas);

private:
    // Sends one page; false when the call failed (the page is not ended then).
    bool Envia(ChamadaTAP &chamada, const PaginaDaFila &pagina);
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
};
