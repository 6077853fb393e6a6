#include "ParametrosSerial.h"

#include <QStringList>

namespace {

// The rates a port can be set to exactly. 14400, common on modems of old, is not among
// them: opening at another rate without a word would leave the line talking nonsense.
bool velocidadeConhecida(int v)
{
    static const int conhecidas[]
        = {110, 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};
    for (int c : conhecidas) {
        if (c == v)
            return true;
    }
    return false;
}

} // namespace

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
    if (!ok1 || !ok3 || !ok4 || !velocidadeConhecida(p.velocidade) || p.bitsDados < 5
        || p.bitsDados > 8 || (p.bitsParada != 1 && p.bitsParada != 2) || letra.size() != 1)
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
