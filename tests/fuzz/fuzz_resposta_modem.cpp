// SPDX-License-Identifier: GPL-3.0-or-later
// The classification of the modem's reply: the code of the strongest result present
// ("BUSY" over "CONN" over "NO D"/"NODI" over "NO C"), -1 exactly when none of the result
// codes that end the wait is in the buffer, and unchanged by bytes that form no code.
//
// Input: the reply buffer.
#include "Entrada.h"
#include "core/modem/Discagem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray buffer(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    const int codigo = ClassificaResposta(buffer);

    bool algum = false;
    for (const QByteArray &c : CodigosDeResultado())
        algum = algum || buffer.contains(c);
    EXIGE((codigo == kSemResposta) == !algum);

    int esperado = kSemResposta;
    if (buffer.contains("NO C"))
        esperado = kSemPortadora;
    if (buffer.contains("NO D") || buffer.contains("NODI"))
        esperado = kSemTom;
    if (buffer.contains("CONN"))
        esperado = kConectado;
    if (buffer.contains("BUSY"))
        esperado = kOcupado;
    EXIGE(codigo == esperado);

    // Line noise before or after a reply does not change it ('#' takes part in no code).
    EXIGE(ClassificaResposta("#" + buffer + "#") == codigo);
    return 0;
}
