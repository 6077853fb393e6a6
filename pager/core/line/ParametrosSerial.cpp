// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParametrosSerial.h"

#include <QStringList>

namespace {

// The rates a port can be set to exactly, with the terminal's code for each. 14400, common
// on modems of old, is not among them: opening at another rate without a word would leave
// the line talking nonsense.
struct Velocidade
{
    int bits;
    speed_t codigo;
};
constexpr Velocidade kVelocidades[] = {{110, B110}, {300, B300}, {600, B600}, {1200, B1200},
    {2400, B2400}, {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600},
    {115200, B115200}, {230400, B230400}};

speed_t codigoDaVelocidade(int bits)
{
    for (const Velocidade &v : kVelocidades) {
        if (v.bits == bits)
            return v.codigo;
    }
    return B0;
}

} // namespace

speed_t ParametrosSerial::codigoVelocidade() const
{
    return codigoDaVelocidade(velocidade);
}

std::optional<ParametrosSerial> ParametrosSerial::interpreta(const QString &texto)
{
    const QStringList itens = texto.split(QLatin1Char(','));
    if (itens.size() != 4)
        return std::nullopt;
    ParametrosSerial p;
    bool ok1 = false, ok3 = false, ok4 = false;
    p.velocidade = itens.at(0).trimmed().toInt(&ok1);
    p.bitsDados = itens.at(2).trimmed().toInt(&ok3);
    p.bitsParada = itens.at(3).trimmed().toInt(&ok4);
    const QString letra = itens.at(1).trimmed().toLower();
    if (!ok1 || !ok3 || !ok4 || p.codigoVelocidade() == B0 || p.bitsDados < 5 || p.bitsDados > 8
        || (p.bitsParada != 1 && p.bitsParada != 2) || letra.size() != 1)
        return std::nullopt;
    switch (letra.at(0).unicode()) {
    case u'n': p.paridade = Paridade::Nenhuma; break;
    case u'e': p.paridade = Paridade::Par; break;
    case u'o': p.paridade = Paridade::Impar; break;
    case u'm': p.paridade = Paridade::Marca; break;
    case u's': p.paridade = Paridade::Espaco; break;
    default: return std::nullopt;
    }
    return p;
}
