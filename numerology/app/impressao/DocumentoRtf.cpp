// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentoRtf.h"

#include "Cp1252.h"

#include <QRegularExpression>

namespace {

void acrescentaLinha(QByteArray &rtf, const QString &linha)
{
    for (const QChar c : linha) {
        if (!cp1252::representavel(c.unicode())) {
            rtf += "\\u" + QByteArray::number(static_cast<qint16>(c.unicode())) + '?';
            continue;
        }
        const auto byte = static_cast<unsigned char>(cp1252::codifica(QString(c)).at(0));
        if (byte == '\\' || byte == '{' || byte == '}') {
            rtf += '\\';
            rtf += static_cast<char>(byte);
        } else if (byte == '\t') {
            rtf += "\\tab ";
        } else if (byte >= 0x7f || byte < 0x20) {
            rtf += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            rtf += static_cast<char>(byte);
        }
    }
}

} // namespace

QByteArray DocumentoRtf(const QString &texto)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 "
                     "Times New Roman;}}\r\n\\f0\\fs24 ";
    QStringList linhas = texto.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // A report ends with a line break: it closes the last line, it does not open another.
    if (linhas.size() > 1 && linhas.constLast().isEmpty())
        linhas.removeLast();
    for (const QString &linha : linhas) {
        acrescentaLinha(rtf, linha);
        rtf += "\\par\r\n";
    }
    rtf += '}';
    return rtf;
}
