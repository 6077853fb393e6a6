// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// One queued page as the table Fila holds it, and the words its Estado column uses.
// Cancelada: an operator took the page out of the queue before it was sent.
enum class EstadoDaFila { Aguardando, Enviando, Entregue, Recusada, Desistida, Cancelada };

// "aguardando", "enviando", ... as stored and as `tellumo-servico --fila` shows them.
QString TextoDoEstado(EstadoDaFila estado);
std::optional<EstadoDaFila> EstadoDoTexto(const QString &texto);

// A time as the table keeps it: "yyyy-MM-dd hh:mm:ss.zzz" in UTC, so that text order is time
// order on both engines; an invalid time is an empty text, and back.
QString TextoDoMomento(const QDateTime &momento);
QDateTime MomentoDoTexto(const QString &texto);

// Who a page goes to: the pager code, and the user's name and identifier when the code is
// a user's of the directory (idUsuario 0 otherwise). Copied into the page when it is
// queued, so a user removed later still gets the page and its Log row names him.
struct DestinoDaFila
{
    QString idPager;
    QString usuario;
    int idUsuario = 0;
};

struct PaginaDaFila
{
    qint64 id = 0;
    qint64 pedido = 0; // the request: the id of its first page
    DestinoDaFila destino;
    QString mensagem; // as received; folded to 7 bits only on the line
    QString origem; // account, address, or "linha de comando"
    QDateTime enfileirada; // times in UTC
    QDateTime vencimento; // not tried before this
    QDateTime ultimaTentativa; // invalid: not tried yet
    int tentativas = 0;
    QString ultimaRazao;
    EstadoDaFila estado = EstadoDaFila::Aguardando;
};
