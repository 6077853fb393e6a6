// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaginaDaFila.h"
#include "PoliticaDeRepeticao.h"
#include "core/directory/Diretorio.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

// The queue of pages that other programs hand to the paging service, kept in the
// directory's table Fila (on the file or the server), so it survives the service and
// several services on one server drain it together. Each call is one change of its own,
// with every value bound; the first call of an object adds the table to a directory made
// before it existed. It never talks to the line, never reads a clock (times come in) and
// keeps no rows between calls.
//
// Results: a call that did what it says answers its value (or true) and Motivo() is Feito;
// otherwise it answers std::nullopt (or false), changed nothing, Motivo() says why and
// Erro() holds a Portuguese text for the log.
class FilaDePaginas
{
public:
    enum class Resultado {
        Feito,
        Falha, // the engine failed or refused (file gone, locked, full, connection lost)
        Cheia, // the queue holds the most pages it may (Enfileira)
        Ausente, // no page of this identifier is being sent (Entregue, Recusada, Adia)
    };

    // What a server tells the connections listening (QSqlDriver::subscribeToNotification)
    // whenever the queue changed: pages queued (a service sleeping until its next due time
    // wakes for them), ended, postponed, made due or cancelled (the queue windows redraw).
    static constexpr const char *kAviso = "tellumo_fila";

    // A page Cancela left as it was, and why, in words for the operator.
    struct NaoCancelada
    {
        qint64 id = 0;
        std::optional<EstadoDaFila> estado; // none: no page of this identifier
        QString razao;
    };

    // On the program's connection (BancoDeDados), or on another named one.
    explicit FilaDePaginas(const QString &conexao = {});

    const QString &Erro() const { return erro_; }
    Resultado Motivo() const { return motivo_; }

    // Queues one page per destination, all of one request, in one change committed to disk
    // before it returns (a page answered as queued survives a power cut): `aguardando`,
    // due at `vencimento` (`agora` when invalid). Answers the request's identifier. Cheia
    // when the pages waiting or being sent plus these would pass `limite` (0: no limit);
    // Falha for no destination or a text over 240 characters.
    std::optional<qint64> Enfileira(const QList<DestinoDaFila> &destinos, const QString &mensagem,
        const QString &origem, const QDateTime &agora, const QDateTime &vencimento = {},
        int limite = 0);

    // Claims at most `limite` pages `aguardando` due by `agora` (the oldest due first) for
    // `servico` (a name of its own for each service sharing the queue), marking them
    // `enviando` with one attempt more: no two processes ever claim one page (a server's
    // rows held by another service are skipped, not waited for). May be empty.
    std::optional<QList<PaginaDaFila>> Reivindica(
        const QDateTime &agora, int limite, const QString &servico = {});

    // A claimed page the paging service accepted: `entregue`, and its Log row written as
    // the send window writes it (Diretorio::GravaLog, at `agora`), in one change: neither
    // without the other.
    bool Entregue(qint64 id, const QDateTime &agora);

    // A page the paging service accepted, and when.
    struct Aceita
    {
        qint64 id = 0;
        QDateTime momento;
    };
    // Several accepted pages as Entregue ends one, all in one change (a commit per page
    // would cost more than the page's exchange on the line). A page no longer being sent is
    // left as it is, without a Log row, and answered; the others are ended all the same.
    // std::nullopt: none was ended.
    std::optional<QList<qint64>> Entregues(const QList<Aceita> &paginas);

    // A claimed page the paging service refused: `recusada` for good, with the reason.
    bool Recusada(qint64 id, const QString &razao, const QDateTime &agora);

    // A claimed page whose attempt failed (line busy or lost, time-out): `aguardando` until
    // the policy's next try, or `desistida` when the policy gives up. Answers which.
    std::optional<EstadoDaFila> Adia(qint64 id, const QString &razao, const QDateTime &agora,
        const PoliticaDeRepeticao &politica);

    // At start: the pages `servico` left `enviando` when it ended (killed, crashed) wait
    // again, due at once. Answers how many (their terminal may have taken some already).
    // The pages other services are sending stay theirs.
    std::optional<int> Recupera(const QString &servico = {});

    // The pages of one request (Enfileira's answer), in queueing order, whatever their
    // state; empty when no request has that identifier.
    std::optional<QList<PaginaDaFila>> PaginasDoPedido(qint64 pedido);

    // The earliest due time of a page `aguardando`; an invalid QDateTime when none waits.
    std::optional<QDateTime> ProximoVencimento();

    // Every page neither delivered nor cancelled, in queueing order (what
    // `tellumo-servico --fila` shows).
    std::optional<QList<PaginaDaFila>> Lista();

    // The operator's "Tentar Agora": the pages of `ids` still `aguardando` become due at
    // `agora`; the others stay as they are. Answers how many changed.
    std::optional<int> TentaAgora(const QList<qint64> &ids, const QDateTime &agora);

    // The operator's "Cancelar": the pages of `ids` still `aguardando` become `cancelada`
    // (kept in the table; Vencimento keeps `agora`, when they left the queue). A page being
    // sent, already ended or cancelled by another operator meanwhile stays as it is and is
    // answered, with the reason; an empty answer: all were cancelled.
    std::optional<QList<NaoCancelada>> Cancela(const QList<qint64> &ids, const QDateTime &agora);

    // For the queue window, which keeps only the identifiers of a long queue and reads its
    // rows as they are shown: every page's identifier, the newest first...
    std::optional<QList<qint64>> Identificadores();
    // ...and the pages of some of them, in no particular order, without a change of their
    // own (a read never waits for a writer).
    std::optional<QList<PaginaDaFila>> Le(const QList<qint64> &ids);

private:
    QSqlDatabase Banco() const;
    // Runs `passos` as one change after making sure the table is there; failures are worded
    // for `acesso`.
    bool Muda(const std::function<bool()> &passos, motor::Tranca tranca = motor::Tranca::Diretorio,
        ErroBanco::Acesso acesso = ErroBanco::Acesso::Gravacao);
    std::optional<QSqlQuery> Executa(const QString &sql, const QVariantList &valores = {});
    // The pages a query gives (columns as kColunas), read to the end.
    std::optional<QList<PaginaDaFila>> Paginas(const QString &sql, const QVariantList &valores);
    std::optional<QList<PaginaDaFila>> Paginas(QSqlQuery &consulta);
    // Ends a claimed page (`enviando`) in `estado`; Ausente when it is not being sent.
    bool Encerra(qint64 id, EstadoDaFila estado, const QString &razao, const QDateTime &agora,
        const QDateTime &vencimento = {});
    bool Falhou(Resultado motivo, const QString &texto);
    // Inside a change: a server tells its listeners (kAviso) at the commit; a file has none.
    bool Avisa();
    // Runs `sql`, whose "%1" stands for a list of placeholders, with `antes` and then `ids`
    // bound, a slice of ids at a time; `cada` takes each run's query. Inside a change.
    bool PorFatias(const QString &sql, const QVariantList &antes, const QList<qint64> &ids,
        const std::function<bool(QSqlQuery &)> &cada);
    void Limpa();

    QString conexao_;
    Diretorio diretorio_;
    bool tabelaPronta_ = false;
    ErroBanco::Acesso acesso_ = ErroBanco::Acesso::Gravacao;
    QString erro_;
    Resultado motivo_ = Resultado::Feito;
};
