// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModemHayes.h"

namespace {

void trataComando(ModemHayes::Estado &e, const QByteArray &comando, LinhaRoteirizada &linha)
{
    e.comandos.append(comando);
    const QByteArray maiusculo = comando.trimmed().toUpper();
    if (!maiusculo.startsWith("AT"))
        return;
    const bool discagem = maiusculo.startsWith("ATD") || maiusculo.startsWith("ATX3D");
    if (discagem) {
        if (!e.resultadoDiscagem.isEmpty()) {
            linha.chegaApos(e.atrasoDiscagem, e.resultadoDiscagem);
            if (e.resultadoDiscagem.contains("CONNECT"))
                e.conectado = true;
        }
        return;
    }
    if (e.respondeOk)
        linha.chegaApos(e.atrasoOk, "\r\nOK\r\n");
}

} // namespace

void ModemHayes::instala(LinhaRoteirizada &linha)
{
    std::shared_ptr<Estado> estado = m_estado;
    linha.defineRespondedor([estado](const QByteArray &escrito, LinhaRoteirizada &l) {
        Estado &e = *estado;
        if (e.conectado) {
            if (escrito == "+++") {
                e.conectado = false;
                l.chegaApos(1.0, "\r\nOK\r\n");
            } else if (e.aposConectar) {
                e.aposConectar(escrito, l);
            }
            return;
        }
        e.pendente += escrito;
        qsizetype cr;
        while ((cr = e.pendente.indexOf('\r')) >= 0) {
            const QByteArray comando = e.pendente.left(cr);
            e.pendente.remove(0, cr + 1);
            trataComando(e, comando, l);
        }
    });
}
