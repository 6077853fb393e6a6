// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListagemDaFila.h"

#include <QStringList>

namespace {

QString momento(const QDateTime &instante)
{
    return instante.isValid()
        ? instante.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"))
        : QStringLiteral("-");
}

} // namespace

QString ListagemDaFila(const QList<PaginaDaFila> &paginas)
{
    QList<QStringList> linhas{
        {QStringLiteral("Id"), QStringLiteral("Estado"), QStringLiteral("Destino"),
            QStringLiteral("Tentativas"), QStringLiteral("Próxima"), QStringLiteral("Motivo")}};
    for (const PaginaDaFila &p : paginas) {
        const QString destino = p.destino.usuario.isEmpty()
            ? p.destino.idPager
            : QStringLiteral("%1 (%2)").arg(p.destino.usuario.trimmed(), p.destino.idPager);
        const bool espera = p.estado == EstadoDaFila::Aguardando;
        linhas.append({QString::number(p.id), TextoDoEstado(p.estado), destino,
            QString::number(p.tentativas), espera ? momento(p.vencimento) : QStringLiteral("-"),
            p.ultimaRazao.isEmpty() ? QStringLiteral("-") : p.ultimaRazao});
    }
    // Every column but the last as wide as its widest value.
    QList<qsizetype> larguras(linhas.first().size() - 1, 0);
    for (const QStringList &l : std::as_const(linhas)) {
        for (qsizetype i = 0; i < larguras.size(); ++i)
            larguras[i] = std::max(larguras[i], l.at(i).size());
    }
    QString saida;
    for (const QStringList &l : std::as_const(linhas)) {
        for (qsizetype i = 0; i < larguras.size(); ++i)
            saida += l.at(i).leftJustified(larguras[i] + 2);
        saida += l.last() + QLatin1Char('\n');
    }
    if (paginas.isEmpty())
        saida += QStringLiteral("A fila está vazia: nenhuma página aguarda envio.\n");
    return saida;
}
