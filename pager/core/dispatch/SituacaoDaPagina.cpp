// SPDX-License-Identifier: GPL-3.0-or-later
#include "SituacaoDaPagina.h"

namespace {

QString comMotivo(const QString &texto, const QString &razao)
{
    return razao.isEmpty() ? texto : texto + QStringLiteral(": ") + razao;
}

} // namespace

QString SituacaoDaPagina(const PaginaDaFila &p)
{
    const QString nome = p.destino.usuario.trimmed();
    const QString destino = nome.isEmpty() ? p.destino.idPager
                                           : QStringLiteral("%1 (%2)").arg(nome, p.destino.idPager);
    QString situacao;
    switch (p.estado) {
    case EstadoDaFila::Aguardando:
        // Not tried yet: nothing to explain. After a failed attempt: when, and why.
        situacao = p.tentativas == 0
            ? QStringLiteral("na fila")
            : comMotivo(QStringLiteral("aguardando nova tentativa às %1")
                            .arg(p.vencimento.toLocalTime().toString(QStringLiteral("hh:mm:ss"))),
                p.ultimaRazao);
        break;
    case EstadoDaFila::Enviando: situacao = QStringLiteral("enviando"); break;
    case EstadoDaFila::Entregue: situacao = QStringLiteral("entregue"); break;
    case EstadoDaFila::Recusada:
        situacao = comMotivo(QStringLiteral("recusada pela central"), p.ultimaRazao);
        break;
    case EstadoDaFila::Desistida:
        situacao = comMotivo(
            QStringLiteral("não entregue após %1 tentativas").arg(p.tentativas), p.ultimaRazao);
        break;
    case EstadoDaFila::Cancelada: situacao = QStringLiteral("cancelada por um operador"); break;
    }
    return destino + QStringLiteral(": ") + situacao;
}

bool PaginaEncerrada(EstadoDaFila estado)
{
    return estado != EstadoDaFila::Aguardando && estado != EstadoDaFila::Enviando;
}
