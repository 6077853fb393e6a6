// SPDX-License-Identifier: GPL-3.0-or-later
// recado's request for any typed text: exactly three LF and no CR, no control byte, and in
// the message no blank, no "?" and every "%" opening an escape; the letters and digits of
// the text all arrive, in their order.
//
// Input: the typed text (as in fuzz::texto).
#include "Entrada.h"
#include "Pedido.h"

#include <QRegularExpression>

namespace {

QByteArray letrasEDigitos(const QByteArray &bytes)
{
    QByteArray r;
    for (const char c : bytes)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            r += c;
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QString texto = fuzz::texto(
        QByteArray(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho)));
    const Servidor servidor = servidorPadrao();
    const QByteArray mensagem = codificaMensagem(texto);
    const QByteArray pedido = montaPedido(servidor, mensagem);

    EXIGE(pedido.count('\n') == 3);
    EXIGE(!pedido.contains('\r'));
    for (const char c : pedido)
        EXIGE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f));
    EXIGE(pedido.startsWith(
        "GET /cgi/procmsg.pl?id=" + servidor.identificador + "&msg=" + mensagem + " HTTP/1.0\n"));
    EXIGE(pedido.endsWith("\n\n"));

    EXIGE(!mensagem.contains(' ') && !mensagem.contains('?'));
    if (!texto.contains(QLatin1Char('%'))) {
        static const QRegularExpression escape(QStringLiteral("%[0-9A-F]{2}"));
        const QString semEscapes = QString::fromLatin1(mensagem).remove(escape);
        EXIGE(!semEscapes.contains(QLatin1Char('%')));
        QByteArray ascii;
        for (const QChar c : texto)
            if (c.unicode() < 0x80)
                ascii += static_cast<char>(c.unicode());
        EXIGE(letrasEDigitos(semEscapes.toLatin1()) == letrasEDigitos(ascii));
    }
    return 0;
}
