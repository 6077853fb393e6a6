// SPDX-License-Identifier: GPL-3.0-or-later
#include "DigitacaoMensagem.h"

#include <array>
#include <utility>

namespace digitacao {

namespace {

// Typed -> becomes, in the order the checks are made. The replacements are plain letters
// that never appear on the left, so one pass is enough.
constexpr std::array<std::pair<char16_t, char16_t>, 22> kTabelaDeDobra{{
    {u'á', u'a'},
    {u'é', u'e'},
    {u'í', u'i'},
    {u'ó', u'o'},
    {u'ú', u'u'},
    {u'ê', u'e'},
    {u'â', u'a'},
    {u'ü', u'u'},
    {u'ç', u'c'},
    {u'Á', u'A'},
    {u'É', u'E'},
    {u'Í', u'I'},
    {u'Ó', u'O'},
    {u'Ú', u'U'},
    {u'Ã', u'A'},
    {u'ã', u'a'},
    {u'Õ', u'O'},
    {u'õ', u'o'},
    {u'Ç', u'C'},
    {u'ñ', u'n'},
    {u'Ñ', u'N'},
    {u'à', u'a'},
}};

} // namespace

QChar DobraCaractereDigitado(QChar c)
{
    for (const auto &[digitado, vira] : kTabelaDeDobra) {
        if (c.unicode() == digitado)
            return QChar(vira);
    }
    return c;
}

bool PedeMensagemAnterior(const QString &texto)
{
    return texto.size() == 9 && texto.toUpper() == QStringLiteral("=ANTERIOR");
}

} // namespace digitacao
