// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServidorHttp.h"

#include <QHttpServer>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QTcpServer>

namespace {

using Metodo = QHttpServerRequest::Method;
using Status = QHttpServerResponder::StatusCode;

// An IPv4 client on a dual-stack socket as its plain address, as SNPP names it.
QString Endereco(const QHostAddress &endereco)
{
    bool ipv4 = false;
    const quint32 v4 = endereco.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(v4).toString() : endereco.toString();
}

QString Linha(const QHttpServerRequest &pedido, Status status)
{
    const QString metodo
        = QString::fromLatin1(QMetaEnum::fromType<Metodo>().valueToKey(int(pedido.method())))
              .toUpper();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(metodo, pedido.url().path())
        .arg(int(status))
        .arg(Endereco(pedido.remoteAddress()));
}

QHttpServerResponse Resposta(const RespostaHttp &r)
{
    return {r.corpo, static_cast<Status>(r.status)};
}

} // namespace

ServidorHttp::ServidorHttp(DestinosSnpp &destinos, ConfiguracaoHttp configuracao,
    AtendimentoHttp::LePedido lePedido, AtendimentoHttp::LeSaude leSaude, QObject *pai)
    : QObject(pai)
    , m_atendimento(destinos, std::move(configuracao), std::move(lePedido), std::move(leSaude))
    , m_http(std::make_unique<QHttpServer>())
{
    m_http->route(QStringLiteral("/paginas"), [this](const QHttpServerRequest &pedido) {
        return Responde(pedido, int(Metodo::Post),
            [&](const QString &origem) { return m_atendimento.Envia(pedido.body(), origem); });
    });
    m_http->route(QStringLiteral("/paginas/<arg>"),
        [this](const QString &id, const QHttpServerRequest &pedido) {
            return Responde(pedido, int(Metodo::Get),
                [&](const QString &) { return m_atendimento.Pedido(id); });
        });
    m_http->route(QStringLiteral("/saude"), [this](const QHttpServerRequest &pedido) {
        return Responde(
            pedido, int(Metodo::Get), [&](const QString &) { return m_atendimento.Saude(); });
    });
    m_http->route(QStringLiteral("/alertas"), [this](const QHttpServerRequest &pedido) {
        return Responde(pedido, int(Metodo::Post), [&](const QString &origem) {
            const QUrlQuery consulta = pedido.query();
            return m_atendimento.Alertas(pedido.body(),
                consulta.allQueryItemValues(QStringLiteral("destino"), QUrl::FullyDecoded),
                consulta.queryItemValue(QStringLiteral("resolvidos")) == QLatin1String("1"),
                origem);
        });
    });
    m_http->afterRequest([this](QHttpServerResponse &&resposta, const QHttpServerRequest &pedido) {
        emit Atendeu(Linha(pedido, resposta.statusCode()));
        return std::move(resposta);
    });
    m_http->setMissingHandler(
        [this](const QHttpServerRequest &pedido, QHttpServerResponder &&responder) {
            const RespostaHttp r = AtendimentoHttp::Erro(
                404, QStringLiteral("Caminho desconhecido: %1").arg(pedido.url().path()));
            responder.write(QJsonDocument(r.corpo), Status::NotFound);
            emit Atendeu(Linha(pedido, Status::NotFound));
        });
}

ServidorHttp::~ServidorHttp() = default;

bool ServidorHttp::Escuta(const QHostAddress &endereco, quint16 porta, QString *motivo)
{
    auto escuta = std::make_unique<QTcpServer>();
    if (!escuta->listen(endereco, porta)) {
        if (motivo) {
            *motivo = QStringLiteral("Não foi possível escutar HTTP em %1 porta %2: %3")
                          .arg(endereco.toString())
                          .arg(porta)
                          .arg(escuta->errorString());
        }
        return false;
    }
    m_porta = escuta->serverPort();
    escuta->setParent(m_http.get());
    m_http->bind(escuta.release());
    return true;
}

QHttpServerResponse ServidorHttp::Responde(const QHttpServerRequest &pedido, int metodo,
    const std::function<RespostaHttp(const QString &origem)> &atende)
{
    if (int(pedido.method()) != metodo) {
        QHttpServerResponse r = Resposta(AtendimentoHttp::Erro(405,
            QStringLiteral("Método não aceito: use %1")
                .arg(QLatin1String(metodo == int(Metodo::Get) ? "GET" : "POST"))));
        r.setHeader("Allow", metodo == int(Metodo::Get) ? "GET" : "POST");
        return r;
    }
    if (!m_atendimento.Autoriza(pedido.value("Authorization"))) {
        QHttpServerResponse r = Resposta(AtendimentoHttp::Erro(
            401, QStringLiteral("Falta o token (Authorization: Bearer) ou ele não confere")));
        r.setHeader("WWW-Authenticate", "Bearer");
        return r;
    }
    const qsizetype limite = m_atendimento.Configuracao().bytesPorCorpo;
    if (pedido.body().size() > limite) {
        return Resposta(AtendimentoHttp::Erro(
            413, QStringLiteral("Corpo grande demais: máximo de %1 bytes").arg(limite)));
    }
    RespostaHttp r = atende(QStringLiteral("HTTP ") + Endereco(pedido.remoteAddress()));
    QHttpServerResponse resposta = Resposta(r);
    if (r.status == 503 && !r.corpo.contains(QLatin1String("estado")))
        resposta.setHeader("Retry-After", "60");
    return resposta;
}
