// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilaDePaginas.h"
#include "core/directory/ErroBanco.h"

#include <QSqlError>
#include <algorithm>

namespace {

// The columns Paginas reads, in this order.
const QString kColunas = QStringLiteral(
    "ID_Fila, ID_Pedido, ID_Pager, Usuario, ID_Usuario, Mensagem, Origem, Enfileirada, "
    "Vencimento, Ultima_Tentativa, Tentativas, Ultima_Razao, Estado");

} // namespace

std::optional<QList<PaginaDaFila>> FilaDePaginas::Paginas(
    const QString &sql, const QVariantList &valores)
{
    auto q = Executa(sql, valores);
    if (!q)
        return std::nullopt;
    return Paginas(*q);
}

std::optional<QList<PaginaDaFila>> FilaDePaginas::Paginas(QSqlQuery &consulta)
{
    QSqlQuery *q = &consulta;
    QList<PaginaDaFila> paginas;
    while (q->next()) {
        PaginaDaFila p;
        p.id = q->value(0).toLongLong();
        p.pedido = q->value(1).toLongLong();
        p.destino = {q->value(2).toString(), q->value(3).toString(), q->value(4).toInt()};
        p.mensagem = q->value(5).toString();
        p.origem = q->value(6).toString();
        p.enfileirada = MomentoDoTexto(q->value(7).toString());
        p.vencimento = MomentoDoTexto(q->value(8).toString());
        p.ultimaTentativa = MomentoDoTexto(q->value(9).toString());
        p.tentativas = q->value(10).toInt();
        p.ultimaRazao = q->value(11).toString();
        p.estado = EstadoDoTexto(q->value(12).toString()).value_or(EstadoDaFila::Aguardando);
        paginas.append(p);
    }
    // A walk cut short by the engine must not pass for the whole answer.
    if (q->lastError().isValid()) {
        Falhou(Resultado::Falha, ErroBanco::Texto(q->lastError(), Banco().driverName(), acesso_));
        return std::nullopt;
    }
    return paginas;
}

std::optional<QList<PaginaDaFila>> FilaDePaginas::Reivindica(
    const QDateTime &agora, int limite, const QString &servico)
{
    // On a server each service locks the rows it claims until its commit, and skips, rather
    // than waits for, those another service holds; on the file the write lock the change
    // begins with keeps every other process out until the commit.
    const QString travadas = motor::De(Banco()) == motor::Tipo::Servidor
        ? QStringLiteral(" FOR UPDATE SKIP LOCKED")
        : QString();
    const QString sql
        = QStringLiteral("UPDATE Fila SET Estado = ?, Tentativas = Tentativas + 1, "
                         "Ultima_Tentativa = ?, Servico = ? WHERE ID_Fila IN (SELECT ID_Fila "
                         "FROM Fila WHERE Estado = ? AND Vencimento <= ? ORDER BY "
                         "Vencimento, ID_Fila LIMIT ?")
        + travadas + QStringLiteral(") RETURNING ") + kColunas;
    std::optional<QList<PaginaDaFila>> paginas;
    const QString momento = TextoDoMomento(agora);
    const bool ok = Muda(
        [&] {
            paginas = Paginas(sql,
                {TextoDoEstado(EstadoDaFila::Enviando), momento, servico,
                    TextoDoEstado(EstadoDaFila::Aguardando), momento, limite});
            return paginas.has_value();
        },
        motor::Tranca::Linhas);
    if (!ok)
        return std::nullopt;
    // RETURNING gives the rows in no promised order.
    std::sort(paginas->begin(), paginas->end(), [](const PaginaDaFila &a, const PaginaDaFila &b) {
        return std::tie(a.vencimento, a.id) < std::tie(b.vencimento, b.id);
    });
    return paginas;
}

std::optional<QDateTime> FilaDePaginas::ProximoVencimento()
{
    QDateTime proximo;
    const bool ok = Muda(
        [&] {
            auto q = Executa(QStringLiteral("SELECT MIN(Vencimento) FROM Fila WHERE Estado = ?"),
                {TextoDoEstado(EstadoDaFila::Aguardando)});
            if (!q)
                return false;
            if (q->next())
                proximo = MomentoDoTexto(q->value(0).toString());
            q->finish();
            return true;
        },
        motor::Tranca::Linhas, ErroBanco::Acesso::Leitura);
    if (!ok)
        return std::nullopt;
    return proximo;
}

std::optional<QList<PaginaDaFila>> FilaDePaginas::PaginasDoPedido(qint64 pedido)
{
    std::optional<QList<PaginaDaFila>> paginas;
    const bool ok = Muda(
        [&] {
            paginas = Paginas(QStringLiteral("SELECT ") + kColunas
                    + QStringLiteral(" FROM Fila WHERE ID_Pedido = ? ORDER BY ID_Fila"),
                {pedido});
            return paginas.has_value();
        },
        motor::Tranca::Linhas, ErroBanco::Acesso::Leitura);
    if (!ok)
        return std::nullopt;
    return paginas;
}

std::optional<QList<PaginaDaFila>> FilaDePaginas::Lista()
{
    std::optional<QList<PaginaDaFila>> paginas;
    const bool ok = Muda(
        [&] {
            paginas = Paginas(QStringLiteral("SELECT ") + kColunas
                    + QStringLiteral(" FROM Fila WHERE Estado NOT IN (?, ?) ORDER BY ID_Fila"),
                {TextoDoEstado(EstadoDaFila::Entregue), TextoDoEstado(EstadoDaFila::Cancelada)});
            return paginas.has_value();
        },
        motor::Tranca::Linhas, ErroBanco::Acesso::Leitura);
    if (!ok)
        return std::nullopt;
    return paginas;
}

std::optional<QList<qint64>> FilaDePaginas::Identificadores()
{
    QList<qint64> ids;
    const bool ok = Muda(
        [&] {
            auto q = Executa(QStringLiteral("SELECT ID_Fila FROM Fila ORDER BY ID_Fila DESC"));
            if (!q)
                return false;
            while (q->next())
                ids.append(q->value(0).toLongLong());
            if (q->lastError().isValid()) {
                return Falhou(Resultado::Falha,
                    ErroBanco::Texto(q->lastError(), Banco().driverName(), acesso_));
            }
            return true;
        },
        motor::Tranca::Linhas, ErroBanco::Acesso::Leitura);
    if (!ok)
        return std::nullopt;
    return ids;
}

std::optional<QList<PaginaDaFila>> FilaDePaginas::Le(const QList<qint64> &ids)
{
    Limpa();
    acesso_ = ErroBanco::Acesso::Leitura;
    QList<PaginaDaFila> paginas;
    const bool ok = PorFatias(
        QStringLiteral("SELECT ") + kColunas + QStringLiteral(" FROM Fila WHERE ID_Fila IN (%1)"),
        {}, ids, [&](QSqlQuery &q) {
            const auto lidas = Paginas(q);
            if (lidas)
                paginas += *lidas;
            return lidas.has_value();
        });
    if (!ok)
        return std::nullopt;
    return paginas;
}
