// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaDaFila.h"

#include <QStringList>

namespace {

const QStringList kEstados
    = {QStringLiteral("aguardando"), QStringLiteral("enviando"), QStringLiteral("entregue"),
        QStringLiteral("recusada"), QStringLiteral("desistida"), QStringLiteral("cancelada")};

} // namespace

QString TextoDoEstado(EstadoDaFila estado)
{
    return kEstados.at(int(estado));
}

std::optional<EstadoDaFila> EstadoDoTexto(const QString &texto)
{
    const int i = kEstados.indexOf(texto);
    if (i < 0)
        return std::nullopt;
    return EstadoDaFila(i);
}

QString TextoDoMomento(const QDateTime &momento)
{
    if (!momento.isValid())
        return QStringLiteral("");
    return momento.toUTC().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
}

QDateTime MomentoDoTexto(const QString &texto)
{
    if (texto.isEmpty())
        return {};
    return QDateTime(QDate::fromString(texto.left(10), QStringLiteral("yyyy-MM-dd")),
        QTime::fromString(texto.mid(11), QStringLiteral("hh:mm:ss.zzz")), Qt::UTC);
}
