// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtendimentoHttp.h"

#include "AlertasParaPaginas.h"
#include "core/snpp/TextoSnpp.h"
#include "core/tap/FuncoesTAP.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The body as JSON, or the 400 to answer.
std::optional<RespostaHttp> LeJson(const QByteArray &corpo, QJsonDocument &json)
{
    QJsonParseError erro;
    json = QJsonDocument::fromJson(corpo, &erro);
    if (erro.error == QJsonParseError::NoError)
        return std::nullopt;
    return AtendimentoHttp::Erro(
        400, QStringLiteral("JSON malformado perto do byte %1").arg(erro.offset));
}

} // namespace

AtendimentoHttp::AtendimentoHttp(
    DestinosSnpp &destinos, ConfiguracaoHttp configuracao, LePedido lePedido, LeSaude leSaude)
    : m_destinos(destinos)
    , m_configuracao(std::move(configuracao))
    , m_lePedido(std::move(lePedido))
    , m_leSaude(std::move(leSaude))
{ }

RespostaHttp AtendimentoHttp::Erro(int status, const QString &motivo)
{
    return {status, {{QStringLiteral("erro"), motivo}}};
}

bool AtendimentoHttp::Autoriza(const QByteArray &autorizacao) const
{
    if (m_configuracao.token.isEmpty())
        return true;
    const QByteArray esquema = autorizacao.left(7);
    const QByteArray dado = esquema.compare("Bearer ", Qt::CaseInsensitive) == 0
        ? autorizacao.mid(7).trimmed()
        : QByteArray();
    // Digests of one length, compared byte by byte to the end whatever differs first.
    const QByteArray a = QCryptographicHash::hash(dado, QCryptographicHash::Sha256);
    const QByteArray b
        = QCryptographicHash::hash(m_configuracao.token.toUtf8(), QCryptographicHash::Sha256);
    unsigned char diferenca = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diferenca |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diferenca == 0 && !dado.isEmpty();
}

std::optional<RespostaHttp> AtendimentoHttp::Resolve(
    const QStringList &nomes, QList<DestinoSnpp> &destinos)
{
    if (nomes.isEmpty())
        return Erro(400, QStringLiteral("Falta o destino: código, nome ou grupo"));
    static const QRegularExpression codigo(QStringLiteral("^\\d{1,10}$"));
    for (const QString &bruto : nomes) {
        const QString nome = bruto.trimmed();
        ResolucaoSnpp r = m_destinos.Resolve(nome);
        if (r.resultado == ResolucaoSnpp::Resultado::Desconhecido) {
            if (!m_configuracao.limites.aceitaCodigoAvulso || !codigo.match(nome).hasMatch())
                return Erro(422, QStringLiteral("Destino desconhecido: %1").arg(nome));
            DestinoSnpp avulso;
            avulso.codigo = nome;
            r.resultado = ResolucaoSnpp::Resultado::Encontrado;
            r.destinos = {avulso};
        }
        if (r.resultado == ResolucaoSnpp::Resultado::Falha)
            return Erro(503, QStringLiteral("Diretório indisponível: %1").arg(r.motivo));
        if (r.destinos.isEmpty())
            return Erro(422, QStringLiteral("O grupo %1 não tem membros").arg(nome));
        for (const DestinoSnpp &d : std::as_const(r.destinos)) {
            const auto mesmo = [&d](const DestinoSnpp &o) { return o.codigo == d.codigo; };
            if (std::none_of(destinos.cbegin(), destinos.cend(), mesmo))
                destinos.append(d);
        }
        if (destinos.size() > m_configuracao.limites.paginasPorTransacao) {
            return Erro(422,
                QStringLiteral("Máximo de %1 páginas por pedido")
                    .arg(m_configuracao.limites.paginasPorTransacao));
        }
    }
    return std::nullopt;
}

std::optional<RespostaHttp> AtendimentoHttp::Enfileira(const QList<DestinoSnpp> &destinos,
    const QString &texto, const QString &origem, QJsonValue &pedido)
{
    QList<PaginaSnpp> paginas;
    for (const DestinoSnpp &d : destinos)
        paginas.append({d, texto, origem, {}});
    const ResultadoFila r = m_destinos.Enfileira(paginas);
    switch (r.resultado) {
    case ResultadoFila::Resultado::Aceito: {
        bool numero = false;
        const qint64 id = r.identificador.toLongLong(&numero);
        pedido = numero ? QJsonValue(id) : QJsonValue(r.identificador);
        return std::nullopt;
    }
    case ResultadoFila::Resultado::Cheia:
        return Erro(503, QStringLiteral("Fila cheia; tente mais tarde"));
    case ResultadoFila::Resultado::Falha:
        return Erro(503, QStringLiteral("Não foi possível enfileirar: %1").arg(r.motivo));
    case ResultadoFila::Resultado::Fatal: break;
    }
    return Erro(503, QStringLiteral("Serviço indisponível: %1").arg(r.motivo));
}

RespostaHttp AtendimentoHttp::Envia(const QByteArray &corpo, const QString &origem)
{
    QJsonDocument json;
    if (auto erro = LeJson(corpo, json))
        return *erro;
    const QJsonValue nomes = json.object().value(QLatin1String("destinos"));
    const QJsonValue texto = json.object().value(QLatin1String("texto"));
    const QJsonArray lista = nomes.toArray();
    const bool textos = std::all_of(
        lista.cbegin(), lista.cend(), [](const QJsonValue &v) { return v.isString(); });
    if (!json.isObject() || !nomes.isArray() || !textos || !texto.isString()) {
        return Erro(400,
            QStringLiteral("O corpo deve ser um objeto com \"destinos\" (lista de nomes) e "
                           "\"texto\""));
    }
    const QString mensagem = TextoSnpp::Normaliza(texto.toString());
    if (mensagem.trimmed().isEmpty())
        return Erro(400, QStringLiteral("Mensagem vazia"));
    if (mensagem.size() > FuncoesTAP::TamanhoMaximoTexto) {
        return Erro(400,
            QStringLiteral("Texto longo demais: máximo de %1 caracteres")
                .arg(FuncoesTAP::TamanhoMaximoTexto));
    }
    QList<DestinoSnpp> destinos;
    if (auto erro = Resolve(QVariant(lista.toVariantList()).toStringList(), destinos))
        return *erro;
    QJsonValue pedido;
    if (auto erro = Enfileira(destinos, mensagem, origem, pedido))
        return *erro;
    return {
        202, {{QStringLiteral("pedido"), pedido}, {QStringLiteral("paginas"), destinos.size()}}};
}

RespostaHttp AtendimentoHttp::Alertas(
    const QByteArray &corpo, const QStringList &nomes, bool resolvidos, const QString &origem)
{
    QJsonDocument json;
    if (auto erro = LeJson(corpo, json))
        return *erro;
    const PaginasDeAlertas alertas = AlertasParaPaginas(json, resolvidos);
    if (!alertas.erro.isEmpty())
        return Erro(400, alertas.erro);
    QList<DestinoSnpp> destinos;
    if (auto erro = Resolve(nomes, destinos))
        return *erro;
    // The queue keeps one text a request, so each alert is a request of its own.
    QJsonArray pedidos;
    for (const QString &texto : alertas.textos) {
        QJsonValue pedido;
        if (auto erro = Enfileira(destinos, texto, origem, pedido)) {
            erro->corpo.insert(QStringLiteral("pedidos"), pedidos);
            return *erro;
        }
        pedidos.append(pedido);
    }
    return {pedidos.isEmpty() ? 200 : 202,
        {{QStringLiteral("pedidos"), pedidos},
            {QStringLiteral("paginas"), pedidos.size() * destinos.size()}}};
}

RespostaHttp AtendimentoHttp::Pedido(const QString &id)
{
    bool numero = false;
    const qint64 pedido = id.toLongLong(&numero);
    const auto naoHa = [&id] { return Erro(404, QStringLiteral("Não há o pedido %1").arg(id)); };
    if (!numero || pedido <= 0)
        return naoHa();
    const std::optional<QList<PaginaDaFila>> paginas = m_lePedido(pedido);
    if (!paginas)
        return Erro(503, QStringLiteral("Não foi possível ler a fila"));
    if (paginas->isEmpty())
        return naoHa();
    QJsonArray lista;
    for (const PaginaDaFila &p : *paginas) {
        lista.append(QJsonObject{{QStringLiteral("id"), p.id},
            {QStringLiteral("destino"), p.destino.idPager},
            {QStringLiteral("usuario"), p.destino.usuario},
            {QStringLiteral("estado"), TextoDoEstado(p.estado)},
            {QStringLiteral("tentativas"), p.tentativas},
            {QStringLiteral("razao"), p.ultimaRazao}});
    }
    return {200, {{QStringLiteral("pedido"), pedido}, {QStringLiteral("paginas"), lista}}};
}

RespostaHttp AtendimentoHttp::Saude()
{
    const QString motivo = m_leSaude();
    if (motivo.isEmpty())
        return {200, {{QStringLiteral("estado"), QStringLiteral("ok")}}};
    return {503,
        {{QStringLiteral("estado"), QStringLiteral("falha")}, {QStringLiteral("motivo"), motivo}}};
}
