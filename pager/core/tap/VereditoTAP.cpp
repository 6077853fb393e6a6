// SPDX-License-Identifier: GPL-3.0-or-later
#include "VereditoTAP.h"

#include "FuncoesTAP.h"

using namespace FuncoesTAP;

VereditoTAP JulgaRespostaTAP(const QByteArray &resposta)
{
    // Judged once a page: the verdicts as views, not as texts made again at each byte.
    static constexpr QByteArrayView kAceito("\x06\r"), kRepetir("\x15\r"), kRecusado("\x1e\r"),
        kDesconexao("\x1b\x04\r");
    VereditoTAP veredito;
    qsizetype fim = 0;
    for (qsizetype i = 0; i + 1 < resposta.size() && veredito.tipo == VereditoTAP::Tipo::Nenhum;
         ++i) {
        const QByteArrayView aqui = QByteArrayView(resposta).sliced(i);
        // A bare RS inside a message line is text; as a verdict it opens a line.
        const bool abreLinha = i == 0 || resposta.at(i - 1) == CR.at(0);
        if (aqui.startsWith(kAceito))
            veredito.tipo = VereditoTAP::Tipo::Aceito;
        else if (aqui.startsWith(kRepetir))
            veredito.tipo = VereditoTAP::Tipo::Repetir;
        else if (abreLinha && aqui.startsWith(kRecusado))
            veredito.tipo = VereditoTAP::Tipo::Recusado;
        else if (aqui.startsWith(kDesconexao))
            veredito.tipo = VereditoTAP::Tipo::Desconexao;
        fim = i + 2;
    }
    veredito.servicoDesligou = veredito.tipo == VereditoTAP::Tipo::Desconexao
        || (veredito.tipo != VereditoTAP::Tipo::Nenhum && resposta.indexOf(kDesconexao, fim) >= 0);
    return veredito;
}
