// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilaDePaginas.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace {

// Identifiers bound in one statement: far below either engine's limit of placeholders,
// however many rows the operator selected.
constexpr qsizetype kPorFatia = 500;

QString PorQueNaoCancela(std::optional<EstadoDaFila> estado)
{
    if (!estado)
        return QStringLiteral("A mensagem não está mais na fila.");
    switch (*estado) {
    case EstadoDaFila::Enviando:
        return QStringLiteral("A mensagem já está sendo enviada e não pode ser cancelada.");
    case EstadoDaFila::Entregue: return QStringLiteral("A mensagem já foi entregue.");
    case EstadoDaFila::Cancelada: return QStringLiteral("A mensagem já foi cancelada.");
    case EstadoDaFila::Recusada:
    case EstadoDaFila::Desistida:
        return QStringLiteral("A mensagem já saiu da fila (%1).").arg(TextoDoEstado(*estado));
    case EstadoDaFila::Aguardando: break;
    }
    // Being sent when the change looked, and back in the queue when it asked why.
    return QStringLiteral("A mensagem mudou de estado enquanto era cancelada; tente de novo.");
}

} // namespace

bool FilaDePaginas::PorFatias(const QString &sql, const QVariantList &antes,
    const QList<qint64> &ids, const std::function<bool(QSqlQuery &)> &cada)
{
    for (qsizetype inicio = 0; inicio < ids.size(); inicio += kPorFatia) {
        const QList<qint64> fatia = ids.mid(inicio, kPorFatia);
        QVariantList valores = antes;
        for (const qint64 id : fatia)
            valores.append(id);
        auto q
            = Executa(sql.arg(QStringList(fatia.size(), QStringLiteral("?")).join(u',')), valores);
        if (!q || !cada(*q))
            return false;
        q->finish();
    }
    return true;
}

std::optional<int> FilaDePaginas::TentaAgora(const QList<qint64> &ids, const QDateTime &agora)
{
    int mudadas = 0;
    // Each row locks itself: the directory's writer lock would only hold up other operators.
    const bool ok = Muda(
        [&] {
            mudadas = 0;
            return PorFatias(QStringLiteral("UPDATE Fila SET Vencimento = ? WHERE Estado = ? AND "
                                            "ID_Fila IN (%1)"),
                       {TextoDoMomento(agora), TextoDoEstado(EstadoDaFila::Aguardando)}, ids,
                       [&](QSqlQuery &q) {
                           mudadas += q.numRowsAffected();
                           return true;
                       })
                && (mudadas == 0 || Avisa());
        },
        motor::Tranca::Linhas);
    if (!ok)
        return std::nullopt;
    return mudadas;
}

std::optional<QList<FilaDePaginas::NaoCancelada>> FilaDePaginas::Cancela(
    const QList<qint64> &ids, const QDateTime &agora)
{
    QList<NaoCancelada> recusadas;
    const bool ok = Muda(
        [&] {
            recusadas.clear();
            // A row another operator or a service changes at this moment is re-read by the
            // server once theirs commits: only a page still waiting then is cancelled.
            QSet<qint64> canceladas;
            const bool mudou = PorFatias(
                QStringLiteral("UPDATE Fila SET Estado = ?, Ultima_Razao = ?, Vencimento = ? "
                               "WHERE Estado = ? AND ID_Fila IN (%1) RETURNING ID_Fila"),
                {TextoDoEstado(EstadoDaFila::Cancelada), QStringLiteral("Cancelada pelo operador"),
                    TextoDoMomento(agora), TextoDoEstado(EstadoDaFila::Aguardando)},
                ids, [&](QSqlQuery &q) {
                    while (q.next())
                        canceladas.insert(q.value(0).toLongLong());
                    return true;
                });
            if (!mudou)
                return false;
            QList<qint64> resto;
            for (const qint64 id : ids) {
                if (!canceladas.contains(id))
                    resto.append(id);
            }
            QHash<qint64, std::optional<EstadoDaFila>> estados;
            if (!PorFatias(QStringLiteral("SELECT ID_Fila, Estado FROM Fila WHERE ID_Fila IN (%1)"),
                    {}, resto, [&](QSqlQuery &q) {
                        while (q.next())
                            estados.insert(
                                q.value(0).toLongLong(), EstadoDoTexto(q.value(1).toString()));
                        return true;
                    }))
                return false;
            for (const qint64 id : resto) {
                const auto estado = estados.value(id);
                recusadas.append({id, estado, PorQueNaoCancela(estado)});
            }
            return canceladas.isEmpty() || Avisa();
        },
        motor::Tranca::Linhas);
    if (!ok)
        return std::nullopt;
    return recusadas;
}
