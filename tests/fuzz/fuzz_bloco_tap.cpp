// SPDX-License-Identifier: GPL-3.0-or-later
// The TAP block and its checksum: the block holds exactly STX, code, CR, text, CR, ETX when
// the text fits (240 bytes) and is left alone when it does not; the checksum is three
// characters "0" to "?" and agrees with the paging terminal's own implementation and with
// the protocol's published example.
//
// Input: pager code NUL text (raw bytes).
#include "ChecksumTap.h"
#include "Entrada.h"
#include "core/tap/FuncoesTAP.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    static const bool exemplo = [] {
        QByteArray soma;
        return FuncoesTAP::CalculaChecksum("\x02"
                                           "123\rABC\r\x03",
                   soma)
            && soma == "17;";
    }();
    EXIGE(exemplo);

    const QList<QByteArray> p = fuzz::partes(dados, tamanho, 2);
    const QByteArray antes = "inalterado";
    QByteArray bloco = antes;
    const bool montou = FuncoesTAP::MontaBlocoTAP(p.at(0), p.at(1), bloco);
    EXIGE(montou == (p.at(1).size() <= FuncoesTAP::TamanhoMaximoTexto));
    if (!montou) {
        EXIGE(bloco == antes);
        bloco = "\x02" + p.at(0) + '\r' + p.at(1) + "\r\x03";
    } else {
        EXIGE(bloco == "\x02" + p.at(0) + '\r' + p.at(1) + "\r\x03");
    }

    QByteArrayList blocos;
    EXIGE(FuncoesTAP::MontaBlocosTAP(p.at(0), p.at(1), blocos) == montou);
    QByteArray campos; // every block's fields: none over 250, US ending all but the last
    for (const QByteArray &b : blocos) {
        EXIGE(b.size() - 2 <= 250 && b.back() == (&b == &blocos.constLast() ? '\x03' : '\x1f'));
        campos += b.mid(1, b.size() - 2);
    }
    EXIGE(!montou || campos == bloco.mid(1, bloco.size() - 2));

    QByteArray soma;
    EXIGE(FuncoesTAP::CalculaChecksum(bloco, soma));
    EXIGE(soma.size() == 3);
    for (const char c : soma)
        EXIGE(c >= '0' && c <= '?');
    EXIGE(soma == tap::checksum(bloco));
    return 0;
}
