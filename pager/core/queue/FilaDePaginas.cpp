// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilaDePaginas.h"

#include "EsquemaDaFila.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/ErroBanco.h"

#include <QSqlError>
#include <QSqlRecord>

namespace {

// The longest text a page may carry, as the compose window and the Log column allow.
constexpr int kMaximoDeCaracteres = 240;

QString Estado(EstadoDaFila estado)
{
    return TextoDoEstado(estado);
}

} // namespace

FilaDePaginas::FilaDePaginas(const QString &conexao)
    : conexao_(conexao)
    , diretorio_(conexao)
{ }

QSqlDatabase FilaDePaginas::Banco() const
{
    return conexao_.isEmpty() ? BancoDeDados() : QSqlDatabase::database(conexao_, false);
}

void FilaDePaginas::Limpa()
{
    erro_.clear();
    motivo_ = Resultado::Feito;
}

bool FilaDePaginas::Falhou(Resultado motivo, const QString &texto)
{
    motivo_ = motivo;
    erro_ = texto;
    return false;
}

std::optional<QSqlQuery> FilaDePaginas::Executa(const QString &sql, const QVariantList &valores)
{
    QSqlDatabase banco = Banco();
    QSqlQuery consulta(banco);
    consulta.setForwardOnly(true);
    // A server prepares only plain statements (no CREATE or SET): those, which bind
    // nothing, run as they are.
    bool ok = valores.isEmpty() ? consulta.exec(sql) : consulta.prepare(sql);
    if (ok && !valores.isEmpty()) {
        LigaValores(consulta, valores);
        ok = consulta.exec();
    }
    if (!ok) {
        Falhou(
            Resultado::Falha, ErroBanco::Texto(consulta.lastError(), banco.driverName(), acesso_));
        return std::nullopt;
    }
    return consulta;
}

bool FilaDePaginas::Muda(
    const std::function<bool()> &passos, motor::Tranca tranca, ErroBanco::Acesso acesso)
{
    Limpa();
    acesso_ = acesso;
    // A server's schema keeps the names in lower case. Looked up first, as a server notes
    // every statement that finds the table already there on the service's log.
    const bool servidor = motor::De(Banco()) == motor::Tipo::Servidor;
    if (!tabelaPronta_
        && !Banco().record(servidor ? QStringLiteral("fila") : QStringLiteral("Fila")).isEmpty())
        tabelaPronta_ = true;
    if (!tabelaPronta_) {
        // Under the directory's writer lock: two services starting together on one server
        // would otherwise both try to make the table.
        const QStringList comandos = EsquemaDaFila::Comandos(motor::De(Banco()));
        tabelaPronta_ = diretorio_.Junto([&] {
            for (const QString &comando : comandos) {
                if (!Executa(comando))
                    return false;
            }
            return true;
        });
        if (!tabelaPronta_)
            return Falhou(Resultado::Falha, erro_.isEmpty() ? diretorio_.Erro() : erro_);
    }
    if (diretorio_.Junto(passos, tranca))
        return true;
    // A step words its own failure; else the engine refused the begin or the commit.
    if (motivo_ == Resultado::Feito)
        Falhou(Resultado::Falha, diretorio_.Erro());
    return false;
}

std::optional<qint64> FilaDePaginas::Enfileira(const QList<DestinoDaFila> &destinos,
    const QString &mensagem, const QString &origem, const QDateTime &agora,
    const QDateTime &vencimento, int limite)
{
    Limpa();
    if (destinos.isEmpty()) {
        Falhou(Resultado::Falha, QStringLiteral("A mensagem não tem destinatário."));
        return std::nullopt;
    }
    if (mensagem.size() > kMaximoDeCaracteres) {
        Falhou(Resultado::Falha,
            QStringLiteral("A mensagem tem mais de %1 caracteres.").arg(kMaximoDeCaracteres));
        return std::nullopt;
    }
    QSqlDatabase banco = Banco();
    const bool arquivo = motor::De(banco) == motor::Tipo::Arquivo;
    // The file's connection waits for the disk only at checkpoints (synchronous NORMAL); a
    // page answered as queued must survive a power cut, so this commit waits for it (FULL).
    int sincronismo = 2;
    if (arquivo && banco.isOpen()) {
        QSqlQuery q(banco);
        if (q.exec(QStringLiteral("PRAGMA synchronous")) && q.next())
            sincronismo = q.value(0).toInt();
        q.finish();
        if (sincronismo < 2)
            q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    }
    qint64 pedido = 0;
    const QString aguardando = Estado(EstadoDaFila::Aguardando);
    const bool ok = Muda([&] {
        // A server may be set to answer commits before they reach its disk. Its services
        // listening on kAviso hear of the pages when they are committed, not before.
        if (!arquivo && !(Executa(QStringLiteral("SET LOCAL synchronous_commit = on")) && Avisa()))
            return false;
        if (limite > 0) {
            auto q = Executa(QStringLiteral("SELECT COUNT(*) FROM Fila WHERE Estado IN (?, ?)"),
                {aguardando, Estado(EstadoDaFila::Enviando)});
            if (!q)
                return false;
            const qint64 naFila = q->next() ? q->value(0).toLongLong() : 0;
            q->finish();
            if (naFila + destinos.size() > limite) {
                return Falhou(Resultado::Cheia,
                    QStringLiteral("A fila está cheia: já há %1 mensagens esperando (limite %2).")
                        .arg(naFila)
                        .arg(limite));
            }
        }
        const QString enfileirada = TextoDoMomento(agora);
        const QString vence = vencimento.isValid() ? TextoDoMomento(vencimento) : enfileirada;
        for (const DestinoDaFila &destino : destinos) {
            auto q = Executa(QStringLiteral("INSERT INTO Fila (ID_Pedido, ID_Pager, Usuario, "
                                            "ID_Usuario, Mensagem, Origem, Enfileirada, "
                                            "Vencimento, Estado) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                            "?) RETURNING ID_Fila"),
                {pedido, destino.idPager, destino.usuario, destino.idUsuario, mensagem, origem,
                    enfileirada, vence, aguardando});
            if (!q)
                return false;
            const qint64 id = q->next() ? q->value(0).toLongLong() : 0;
            // Walking to the end completes the statement.
            while (q->next()) { }
            q->finish();
            if (id == 0) {
                return Falhou(Resultado::Falha,
                    QStringLiteral("O banco de dados não informou o número da mensagem na fila."));
            }
            // The request is named by its first page.
            if (pedido == 0) {
                pedido = id;
                if (!Executa(QStringLiteral("UPDATE Fila SET ID_Pedido = ? WHERE ID_Fila = ?"),
                        {id, id}))
                    return false;
            }
        }
        return true;
    });
    if (arquivo && sincronismo < 2 && banco.isOpen())
        QSqlQuery(banco).exec(QStringLiteral("PRAGMA synchronous = %1").arg(sincronismo));
    if (!ok)
        return std::nullopt;
    return pedido;
}

bool FilaDePaginas::Avisa()
{
    if (motor::De(Banco()) != motor::Tipo::Servidor)
        return true;
    return Executa(QStringLiteral("NOTIFY ") + QLatin1String(kAviso)).has_value();
}

bool FilaDePaginas::Encerra(qint64 id, EstadoDaFila estado, const QString &razao,
    const QDateTime &agora, const QDateTime &vencimento)
{
    QString sql
        = QStringLiteral("UPDATE Fila SET Estado = ?, Ultima_Razao = ?, Ultima_Tentativa = ?");
    QVariantList valores{Estado(estado), razao, TextoDoMomento(agora)};
    if (vencimento.isValid()) {
        sql += QStringLiteral(", Vencimento = ?");
        valores << TextoDoMomento(vencimento);
    }
    sql += QStringLiteral(" WHERE ID_Fila = ? AND Estado = ?");
    valores << id << Estado(EstadoDaFila::Enviando);
    const auto q = Executa(sql, valores);
    if (!q)
        return false;
    if (q->numRowsAffected() != 1) {
        return Falhou(
            Resultado::Ausente, QStringLiteral("A mensagem %1 não está sendo enviada.").arg(id));
    }
    return Avisa();
}

bool FilaDePaginas::Entregue(qint64 id, const QDateTime &agora)
{
    const auto ausentes = Entregues({{id, agora}});
    if (ausentes && !ausentes->isEmpty())
        Falhou(Resultado::Ausente, QStringLiteral("A mensagem %1 não está sendo enviada.").arg(id));
    return ausentes && ausentes->isEmpty();
}

std::optional<QList<qint64>> FilaDePaginas::Entregues(const QList<Aceita> &paginas)
{
    QList<qint64> ausentes;
    const QString entregue = Estado(EstadoDaFila::Entregue);
    const QString enviando = Estado(EstadoDaFila::Enviando);
    const bool ok = Muda([&] {
        ausentes.clear();
        QList<Diretorio::LinhaDoLog> linhas;
        QSqlDatabase banco = Banco();
        // Prepared once for the whole group.
        QSqlQuery q(banco);
        q.setForwardOnly(true);
        bool feito = q.prepare(QStringLiteral("UPDATE Fila SET Estado = ?, Ultima_Tentativa = ?, "
                                              "Ultima_Razao = ? WHERE ID_Fila = ? AND Estado = ? "
                                              "RETURNING Usuario, Mensagem, ID_Pager, ID_Usuario"));
        for (qsizetype i = 0; feito && i < paginas.size(); ++i) {
            const Aceita &pagina = paginas.at(i);
            LigaValores(
                q, {entregue, TextoDoMomento(pagina.momento), QString(), pagina.id, enviando});
            if (!(feito = q.exec()))
                break;
            if (!q.next()) {
                ausentes.append(pagina.id);
                continue;
            }
            // The history shows local times, as the send window writes them.
            linhas.append({pagina.momento.toLocalTime(), q.value(0).toString(),
                q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
            while (q.next()) { }
            q.finish();
        }
        if (!feito)
            return Falhou(
                Resultado::Falha, ErroBanco::Texto(q.lastError(), banco.driverName(), acesso_));
        if (!diretorio_.GravaLogs(linhas))
            return Falhou(Resultado::Falha, diretorio_.Erro());
        return linhas.isEmpty() || Avisa();
    });
    if (!ok)
        return std::nullopt;
    return ausentes;
}

bool FilaDePaginas::Recusada(qint64 id, const QString &razao, const QDateTime &agora)
{
    return Muda([&] { return Encerra(id, EstadoDaFila::Recusada, razao, agora); });
}

std::optional<EstadoDaFila> FilaDePaginas::Adia(
    qint64 id, const QString &razao, const QDateTime &agora, const PoliticaDeRepeticao &politica)
{
    EstadoDaFila estado = EstadoDaFila::Desistida;
    const bool ok = Muda([&] {
        auto q = Executa(QStringLiteral("SELECT Enfileirada, Tentativas FROM Fila WHERE "
                                        "ID_Fila = ? AND Estado = ?"),
            {id, Estado(EstadoDaFila::Enviando)});
        if (!q)
            return false;
        if (!q->next()) {
            return Falhou(Resultado::Ausente,
                QStringLiteral("A mensagem %1 não está sendo enviada.").arg(id));
        }
        const auto proxima = politica.ProximaTentativa(
            q->value(1).toInt(), MomentoDoTexto(q->value(0).toString()), agora);
        q->finish();
        estado = proxima ? EstadoDaFila::Aguardando : EstadoDaFila::Desistida;
        return Encerra(id, estado, razao, agora, proxima.value_or(QDateTime()));
    });
    if (!ok)
        return std::nullopt;
    return estado;
}

std::optional<int> FilaDePaginas::Recupera(const QString &servico)
{
    int recuperadas = 0;
    const bool ok = Muda([&] {
        const auto q
            = Executa(QStringLiteral("UPDATE Fila SET Estado = ? WHERE Estado = ? AND Servico = ?"),
                {Estado(EstadoDaFila::Aguardando), Estado(EstadoDaFila::Enviando), servico});
        if (q)
            recuperadas = q->numRowsAffected();
        return q.has_value();
    });
    if (!ok)
        return std::nullopt;
    return recuperadas;
}
