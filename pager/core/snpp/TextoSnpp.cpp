// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextoSnpp.h"

#include "Cp1252.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

namespace TextoSnpp {

QString Decodifica(const QByteArray &bytes)
{
    // Stateless, so a sequence cut at the end counts as an error instead of being held back.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString texto = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decodifica(bytes) : texto;
}

QString Normaliza(const QString &texto)
{
    QString saida = texto;
    saida.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    saida.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar &c : saida) {
        const char16_t u = c.unicode();
        if (u == 0x2028 || u == 0x2029)
            c = QLatin1Char('\n');
        else if (u != '\n' && (u < 0x20 || (u >= 0x7f && u < 0xa0)))
            c = QLatin1Char(' ');
    }
    return saida;
}

std::optional<QDateTime> HoraDeEntrega(const QString &argumento)
{
    static const QRegularExpression forma(QStringLiteral(
        "^(\\d{2})(\\d{2})(\\d{2})(\\d{2})(\\d{2})(\\d{2})?(?:\\s+([+-])(\\d{1,2})(\\d{2})?)?$"));
    const QRegularExpressionMatch m = forma.match(argumento.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const auto n = [&m](int i) { return m.captured(i).toInt(); };
    const QDate dia(2000 + n(1), n(2), n(3));
    const QTime hora(n(4), n(5), m.captured(6).isEmpty() ? 0 : n(6));
    if (!dia.isValid() || !hora.isValid())
        return std::nullopt;
    if (m.captured(7).isEmpty())
        return QDateTime(dia, hora).toUTC();
    const int minutos = n(8) * 60 + (m.captured(9).isEmpty() ? 0 : n(9));
    if (minutos > 14 * 60)
        return std::nullopt;
    const int segundos = (m.captured(7) == QLatin1String("-") ? -60 : 60) * minutos;
    return QDateTime(dia, hora, QTimeZone(segundos)).toUTC();
}

} // namespace TextoSnpp
