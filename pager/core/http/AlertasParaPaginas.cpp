// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertasParaPaginas.h"

#include "core/snpp/TextoSnpp.h"
#include "core/tap/FuncoesTAP.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QString TextoDoAlerta(const QJsonObject &rotulos, const QJsonObject &anotacoes)
{
    const QString resumo = anotacoes.value(QLatin1String("summary")).toString().trimmed();
    if (!resumo.isEmpty())
        return resumo;
    QStringList partes;
    const QString nome = rotulos.value(QLatin1String("alertname")).toString().trimmed();
    if (!nome.isEmpty())
        partes += nome;
    // QJsonObject walks its keys in order, so the same alert always reads the same.
    for (auto r = rotulos.constBegin(); r != rotulos.constEnd(); ++r) {
        if (r.key() != QLatin1String("alertname"))
            partes += r.key() + u'=' + r.value().toVariant().toString();
    }
    return partes.isEmpty() ? QStringLiteral("alerta sem nome") : partes.join(u' ');
}

} // namespace

PaginasDeAlertas AlertasParaPaginas(const QJsonDocument &corpo, bool resolvidos)
{
    const QJsonValue alertas = corpo.object().value(QLatin1String("alerts"));
    if (!corpo.isObject() || !alertas.isArray())
        return {{}, QStringLiteral("O corpo deve ser um objeto com a lista \"alerts\"")};
    PaginasDeAlertas paginas;
    for (const QJsonValue &valor : alertas.toArray()) {
        const QJsonObject alerta = valor.toObject();
        const QString estado = alerta.value(QLatin1String("status")).toString();
        const QJsonValue rotulos = alerta.value(QLatin1String("labels"));
        const QJsonValue anotacoes = alerta.value(QLatin1String("annotations"));
        if (!valor.isObject()
            || (estado != QLatin1String("firing") && estado != QLatin1String("resolved"))
            || !(rotulos.isObject() || rotulos.isUndefined())
            || !(anotacoes.isObject() || anotacoes.isUndefined())) {
            return {{},
                QStringLiteral("Cada alerta deve ser um objeto com \"status\" (firing ou "
                               "resolved), \"labels\" e \"annotations\"")};
        }
        const bool resolvido = estado == QLatin1String("resolved");
        if (resolvido && !resolvidos)
            continue;
        QString texto
            = TextoSnpp::Normaliza(TextoDoAlerta(rotulos.toObject(), anotacoes.toObject()));
        if (resolvido)
            texto.prepend(QStringLiteral("resolvido: "));
        if (texto.size() > FuncoesTAP::TamanhoMaximoTexto) {
            texto.truncate(FuncoesTAP::TamanhoMaximoTexto);
            // Half a character outside the basic plane would reach the line as garbage.
            if (texto.back().isHighSurrogate())
                texto.chop(1);
        }
        paginas.textos += texto;
    }
    return paginas;
}
