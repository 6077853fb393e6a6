// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pedido.h"

#include "Cp1252.h"

namespace {

void acrescentaEscapado(QByteArray &saida, unsigned char byte)
{
    static const char hexa[] = "0123456789ABCDEF";
    saida += '%';
    saida += hexa[byte >> 4];
    saida += hexa[byte & 0x0F];
}

} // namespace

QByteArray codificaMensagem(const QString &texto)
{
    // Every form of line break becomes one LF first, so that CR LF counts as one break.
    QString linhas = texto;
    linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char16_t quebra : {u'\r', u'\u2028', u'\u2029'})
        linhas.replace(QChar(quebra), QChar(u'\n'));

    const QByteArray bytes = cp1252::codifica(linhas, '?');
    QByteArray saida;
    saida.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n')
            saida += "%0D%0A";
        else if (byte == ' ')
            saida += '+';
        else if (byte == '?')
            saida += '!';
        else if (byte < 0x20 || byte == 0x7F)
            acrescentaEscapado(saida, byte);
        else
            saida += c;
    }
    return saida;
}

QByteArray montaPedido(const Servidor &servidor, const QByteArray &mensagemCodificada)
{
    return QByteArrayLiteral("GET /cgi/procmsg.pl?id=") + servidor.identificador
        + "&msg=" + mensagemCodificada + " HTTP/1.0\n" + "referer:http://" + servidor.host
        + "/mensa/men.html\n" + "\n";
}
