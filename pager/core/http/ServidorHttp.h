// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtendimentoHttp.h"

#include <QHostAddress>
#include <QObject>
#include <memory>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;

// The paging service's HTTP intake on the Qt event loop of its thread, through Qt's HTTP
// server: POST /paginas and /alertas?destino=NOME[&resolvidos=1] queue pages, GET
// /paginas/ID tells a request's state, GET /saude the service's health (AtendimentoHttp
// says what each answers). Before a route is answered: a method it does not take gets 405,
// a missing or wrong token 401 (when one is configured; on every route), a body over the
// limit 413; an unknown path gets 404. A 503 of the queue or the directory says
// "Retry-After: 60". Qt reads a whole body before the route sees it, so the limit refuses
// a large body but does not spare reading it: listen on loopback or behind a proxy that
// limits it. `destinos` is lent for the server's life and called from
// its thread only.
class ServidorHttp : public QObject
{
    Q_OBJECT
public:
    ServidorHttp(DestinosSnpp &destinos, ConfiguracaoHttp configuracao,
        AtendimentoHttp::LePedido lePedido, AtendimentoHttp::LeSaude leSaude,
        QObject *pai = nullptr);
    ~ServidorHttp() override;

    // Listens on `endereco` and `porta` (0: one the system chooses). False when it cannot:
    // then `motivo` (when given) says why in Portuguese.
    bool Escuta(const QHostAddress &endereco, quint16 porta, QString *motivo = nullptr);

    // The port listened on; 0 before a successful Escuta.
    quint16 Porta() const { return m_porta; }

signals:
    // One line per request answered, "POST /paginas 202 127.0.0.1", for the service's log.
    void Atendeu(const QString &linha);

private:
    // The checks every route makes, then `atende`.
    QHttpServerResponse Responde(const QHttpServerRequest &pedido, int metodo,
        const std::function<RespostaHttp(const QString &origem)> &atende);

    AtendimentoHttp m_atendimento;
    std::unique_ptr<QHttpServer> m_http;
    quint16 m_porta = 0;
};
