// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicoTapRoteirizado.h"

#include "LinhaRoteirizada.h"
#include "ModemHayes.h"
#include "core/tap/FuncoesTAP.h"

namespace {

QByteArray seteBits(QByteArray bytes)
{
    for (char &c : bytes)
        c = static_cast<char>(c & 0x7f);
    return bytes;
}

} // namespace

ServicoTapRoteirizado::ServicoTapRoteirizado()
    : m_estado(std::make_shared<Estado>())
{ }

QByteArray ServicoTapRoteirizado::julga(const QByteArray &linha)
{
    // The terminator (ETX, or US: the field goes on), 3 checksum characters and CR end it.
    const qsizetype fim = linha.size() - 5;
    if (!linha.startsWith('\x02') || fim < 1 || !QByteArray("\x03\x1f").contains(linha.at(fim)))
        return "\x15\r";
    QByteArray esperado;
    FuncoesTAP::CalculaChecksum(linha.left(fim + 1), esperado);
    return linha.mid(fim + 1, 3) == esperado ? QByteArray("211 Mensagem aceita\r\x06\r")
                                             : QByteArray("\x15\r");
}

void ServicoTapRoteirizado::instala(ModemHayes &modem)
{
    std::shared_ptr<Estado> estado = m_estado;
    modem.estado().aposConectar = [estado](const QByteArray &escrito, LinhaRoteirizada &linha) {
        Estado &e = *estado;
        const QByteArray recebido = seteBits(escrito);
        if (recebido == "\r") {
            if (!e.pediuId && e.idApos >= 0)
                linha.chegaApos(e.idApos, "ID=");
            e.pediuId = true;
        } else if (recebido.startsWith("\x1bPG1")) {
            if (!e.respostaLogon.isEmpty())
                linha.chegaApos(e.atraso, e.respostaLogon);
        } else if (recebido == "\x04\r") {
            ++e.logoffs;
            linha.chegaApos(e.atraso, "115 Ate logo\r\x1b\x04\r");
        } else if (recebido.startsWith('\x02')) {
            const int n = static_cast<int>(e.blocos.size());
            e.blocos.append(recebido);
            const QByteArray resposta
                = e.respostaBloco ? e.respostaBloco(n, recebido) : julga(recebido);
            if (!resposta.isEmpty())
                linha.chegaApos(e.atraso, resposta);
        }
    };
}
