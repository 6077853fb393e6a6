// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChecksumTap.h"

namespace tap {

QByteArray checksum(QByteArrayView bloco)
{
    unsigned soma = 0;
    for (char c : bloco)
        soma += static_cast<unsigned char>(c);
    QByteArray resultado(3, '0');
    resultado[0] = static_cast<char>('0' + ((soma >> 8) & 0xf));
    resultado[1] = static_cast<char>('0' + ((soma >> 4) & 0xf));
    resultado[2] = static_cast<char>('0' + (soma & 0xf));
    return resultado;
}

} // namespace tap
