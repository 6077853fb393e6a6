// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/PaginaDaFila.h"
#include "core/snpp/SessaoSnpp.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The settings of the HTTP intake.
struct ConfiguracaoHttp
{
    QString token; // asked as "Authorization: Bearer <token>"; empty: nothing asked
    // SNPP's own limits, so both doors take the same requests: paginasPorTransacao (most
    // pages of one request) and aceitaCodigoAvulso (a code the directory does not know).
    LimitesSnpp limites;
    qsizetype bytesPorCorpo = 64 * 1024;
};

// An answer: its status and its JSON body (an error's is {"erro": "<Portuguese reason>"}).
struct RespostaHttp
{
    int status = 200;
    QJsonObject corpo;
};

// What each route of the HTTP intake answers, without sockets: the server has already
// checked the method, the token and the body's size. Destinations are resolved and pages
// queued through `destinos` exactly as an SNPP session does it (names, groups, limits, one
// request at a time); states come from `lePedido` and health from `leSaude`. Status codes:
// 400 for a body that is not what the route takes (JSON, types, empty or long text), 422
// for a destination the directory does not know or a request over the limit of pages, 503
// when the directory or the queue cannot take it now (a full queue included).
class AtendimentoHttp
{
public:
    // The pages of one request, in order; empty: no such request; nothing: the queue could
    // not be read.
    using LePedido = std::function<std::optional<QList<PaginaDaFila>>(qint64 pedido)>;
    // Empty when the directory and the line are usable, else why not (Portuguese).
    using LeSaude = std::function<QString()>;

    AtendimentoHttp(
        DestinosSnpp &destinos, ConfiguracaoHttp configuracao, LePedido lePedido, LeSaude leSaude);

    const ConfiguracaoHttp &Configuracao() const { return m_configuracao; }

    // POST /paginas, {"destinos": [names], "texto": "..."}: one request for every pager the
    // names stand for; 202 {"pedido": N, "paginas": how many}.
    RespostaHttp Envia(const QByteArray &corpo, const QString &origem);

    // POST /alertas: one request per page of AlertasParaPaginas, each to every pager of
    // `nomes`; 202 {"pedidos": [N...], "paginas": how many} (200 when no alert gives a page).
    // When one request fails, those before it stay queued and the error names them.
    RespostaHttp Alertas(
        const QByteArray &corpo, const QStringList &nomes, bool resolvidos, const QString &origem);

    // GET /paginas/ID, ID as POST answered it: 200 {"pedido": N, "paginas": [{"id",
    // "destino", "usuario", "estado", "tentativas", "razao"}...]}, 404 when unknown.
    RespostaHttp Pedido(const QString &id);

    // GET /saude: 200 {"estado": "ok"}, else 503 {"estado": "falha", "motivo": "..."}.
    RespostaHttp Saude();

    // True when no token is configured or `autorizacao` carries it (compared in constant
    // time, so the answer's delay does not tell how much of a guess was right).
    bool Autoriza(const QByteArray &autorizacao) const;

    static RespostaHttp Erro(int status, const QString &motivo);

private:
    // Every pager `nomes` stand for, each once; or the error to answer.
    std::optional<RespostaHttp> Resolve(const QStringList &nomes, QList<DestinoSnpp> &destinos);
    // One request of `texto` to `destinos`; the request's identifier, or the error.
    std::optional<RespostaHttp> Enfileira(const QList<DestinoSnpp> &destinos, const QString &texto,
        const QString &origem, QJsonValue &pedido);

    DestinosSnpp &m_destinos;
    ConfiguracaoHttp m_configuracao;
    LePedido m_lePedido;
    LeSaude m_leSaude;
};
