// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaDaFila.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

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

namespace {

// The number of `digitos` digits at `inicio`, or -1 when one of them is not a digit.
int Numero(QStringView texto, qsizetype inicio, int digitos)
{
    int n = 0;
    for (qsizetype i = inicio; i < inicio + digitos; ++i) {
        const char16_t c = texto.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

} // namespace

// Both are called for every page a delivery claims or ends: done by hand, as a parse by
// format costs more than the rest of the page's bookkeeping.
QString TextoDoMomento(const QDateTime &momento)
{
    if (!momento.isValid())
        return QStringLiteral("");
    const QDateTime utc = momento.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    if (d.year() < 0 || d.year() > 9999)
        return utc.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    char texto[24];
    std::snprintf(texto, sizeof texto, "%04d-%02d-%02d %02d:%02d:%02d.%03d", d.year(), d.month(),
        d.day(), t.hour(), t.minute(), t.second(), t.msec());
    return QString::fromLatin1(texto, 23);
}

QDateTime MomentoDoTexto(const QString &texto)
{
    if (texto.isEmpty())
        return {};
    // "yyyy-MM-dd hh:mm:ss.zzz", as TextoDoMomento writes it.
    if (texto.size() == 23 && texto.at(4) == u'-' && texto.at(7) == u'-' && texto.at(10) == u' '
        && texto.at(13) == u':' && texto.at(16) == u':' && texto.at(19) == u'.') {
        const int campos[] = {Numero(texto, 0, 4), Numero(texto, 5, 2), Numero(texto, 8, 2),
            Numero(texto, 11, 2), Numero(texto, 14, 2), Numero(texto, 17, 2), Numero(texto, 20, 3)};
        if (std::all_of(std::begin(campos), std::end(campos), [](int n) { return n >= 0; }))
            return QDateTime(QDate(campos[0], campos[1], campos[2]),
                QTime(campos[3], campos[4], campos[5], campos[6]), Qt::UTC);
    }
    // Anything else as the parse by format reads it.
    return QDateTime(QDate::fromString(texto.left(10), QStringLiteral("yyyy-MM-dd")),
        QTime::fromString(texto.mid(11), QStringLiteral("hh:mm:ss.zzz")), Qt::UTC);
}
