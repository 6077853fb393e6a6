// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuncoesTAP.h"

#include <algorithm>

namespace FuncoesTAP {

bool MontaBlocoTAP(const QByteArray &codigoPager, const QByteArray &texto, QByteArray &bloco)
{
    if (texto.size() > TamanhoMaximoTexto)
        return false;
    bloco = STX + codigoPager + CR + texto + CR + ETX;
    return true;
}

bool MontaBlocosTAP(const QByteArray &codigoPager, const QByteArray &texto, QByteArrayList &blocos)
{
    QByteArray unico;
    if (!MontaBlocoTAP(codigoPager, texto, unico))
        return false;
    blocos.clear();
    // The fields without STX and the closing CR ETX.
    QByteArray campos = unico.mid(1, unico.size() - 3);
    while (campos.size() + CR.size() > TamanhoMaximoBloco) {
        const qsizetype parte = std::min(TamanhoMaximoBloco, campos.size() - 1);
        blocos.append(STX + campos.left(parte) + US);
        campos.remove(0, parte);
    }
    blocos.append(STX + campos + CR + ETX);
    return true;
}

bool CalculaChecksum(const QByteArray &bloco, QByteArray &checksum)
{
    // Bytes are summed as 0-255, never as signed chars; an int holds any block's sum, and
    // only the low 12 bits are used.
    int soma = 0;
    for (const char c : bloco)
        soma += static_cast<unsigned char>(c);
    checksum = QByteArray();
    checksum.append(DigitoChecksum(soma, 3));
    checksum.append(DigitoChecksum(soma, 2));
    checksum.append(DigitoChecksum(soma, 1));
    return true;
}

char DigitoChecksum(int soma, int grupo)
{
    if (grupo < 1 || grupo > 3)
        return '0';
    const int quatroBits = (soma >> (4 * (grupo - 1))) & 0xf;
    return static_cast<char>('0' + quatroBits);
}

} // namespace FuncoesTAP
