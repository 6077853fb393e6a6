// SPDX-License-Identifier: GPL-3.0-or-later
#include "EsquemaDaFila.h"

#include "EsquemaArquivoTexto.h"
#include "core/directory/Servidor.h"

#include <QRegularExpression>

namespace EsquemaDaFila {

QStringList Comandos(motor::Tipo tipo)
{
    // Read from the schema files themselves, so a new directory and an old one given the
    // table later never differ.
    QString sql
        = tipo == motor::Tipo::Servidor ? Servidor::Esquema() : QString::fromUtf8(kEsquemaArquivo);
    sql.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    static const QRegularExpression daFila(
        QStringLiteral("^\\s*CREATE\\s+(TABLE|INDEX)\\s+((\\w+\\s+ON\\s+)?Fila\\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList comandos;
    for (const QString &comando : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = daFila.match(comando);
        if (m.hasMatch())
            comandos << QStringLiteral("CREATE %1 IF NOT EXISTS ").arg(m.captured(1))
                    + comando.mid(m.capturedStart(2)).trimmed();
    }
    return comandos;
}

} // namespace EsquemaDaFila
