// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// What an SNPP session asks of the rest of the service: who a name pages, whether an account
// and its password hold, and the queue that takes a transaction's pages. The session owns
// none of these; the service lends it one implementation (the directory and the queue), the
// tests a scripted one. Every call answers at once: the session has no other thread.

// One pager to page: its code and, when the directory knows it, the user's name and
// identifier (0 for a code it does not know), which the delivered page's Log row names.
struct DestinoSnpp
{
    QString codigo;
    QString nome;
    int idUsuario = 0;
    friend bool operator==(const DestinoSnpp &, const DestinoSnpp &) = default;
};

// What a name named in PAGE stands for.
struct ResolucaoSnpp
{
    enum class Resultado {
        Encontrado, // a pager code, a user or a group (a group gives its members, maybe none)
        Desconhecido, // nothing in the directory answers to it
        Falha, // the directory could not be read; `motivo` says why
    };
    Resultado resultado = Resultado::Desconhecido;
    QList<DestinoSnpp> destinos;
    QString motivo;
};

// One page of a transaction as the queue receives it. `texto` is the message as the client
// gave it, decoded, line breaks as the compose window keeps them; folding it to what the
// line carries is the delivery's job.
struct PaginaSnpp
{
    DestinoSnpp destino;
    QString texto;
    QString origem; // the account logged in, else the client's address
    QDateTime naoAntesDe; // HOLD, in UTC; invalid: as soon as the line allows
};

// The queue's answer to one transaction: all its pages committed, or none.
struct ResultadoFila
{
    enum class Resultado {
        Aceito, // committed; `identificador` names the request
        Cheia, // the queue holds as many pages as it may
        Falha, // not committed this time; the client may try SEND again
        Fatal, // the service cannot go on with this client (directory lost ...)
    };
    Resultado resultado = Resultado::Falha;
    QString identificador;
    QString motivo;
};

class DestinosSnpp
{
public:
    virtual ~DestinosSnpp() = default;

    // `nome` is a pager code, a user's name or a group's name, matched without regard to
    // case as the directory's duplicate checks match.
    virtual ResolucaoSnpp Resolve(const QString &nome) = 0;

    // True when the settings list accounts: PAGE then waits for a good LOGI.
    virtual bool HaContas() const = 0;

    // True when the account exists and the password matches its stored hash.
    virtual bool ConfereConta(const QString &conta, const QString &senha) = 0;

    // Commits every page of one transaction before it returns (synchronously).
    virtual ResultadoFila Enfileira(const QList<PaginaSnpp> &paginas) = 0;
};
