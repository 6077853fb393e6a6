// SPDX-License-Identifier: GPL-3.0-or-later
#include "DestinosDoDiretorio.h"

#include "Diario.h"
#include "core/snpp/SenhaDeConta.h"

#include <algorithm>

DestinosDoDiretorio::DestinosDoDiretorio(QHash<QString, QByteArray> contas, int limiteDaFila,
    std::function<void()> aoEnfileirar, const QString &conexao)
    : m_contas(std::move(contas))
    , m_limiteDaFila(limiteDaFila)
    , m_aoEnfileirar(std::move(aoEnfileirar))
    , m_diretorio(conexao)
    , m_fila(conexao)
{ }

ResolucaoSnpp DestinosDoDiretorio::Resolve(const QString &nome)
{
    using Resultado = ResolucaoSnpp::Resultado;
    const QString procurado = nome.trimmed();
    if (procurado.isEmpty())
        return {};
    std::optional<Instantaneo> linhas = m_diretorio.DestinosPorNome(procurado);
    if (!linhas)
        return {Resultado::Falha, {}, m_diretorio.Erro()};
    ResolucaoSnpp r;
    int tipo = -1;
    for (; !linhas->NoFim(); linhas->Proximo()) {
        // Rows come by kind: only the first kind that answers counts (a code before a
        // user's name, a user's name before a group's).
        const int deste = linhas->Campo(QStringLiteral("Tipo")).toInt();
        if (tipo >= 0 && deste != tipo)
            break;
        tipo = deste;
        r.resultado = Resultado::Encontrado;
        // The transmission pages codes without their blanks; a blank code pages nobody.
        const QString codigo = linhas->Campo(QStringLiteral("ID_Pager")).toString().trimmed();
        if (codigo.isEmpty())
            continue;
        const auto mesmo = [&codigo](const DestinoSnpp &d) { return d.codigo == codigo; };
        if (std::any_of(r.destinos.cbegin(), r.destinos.cend(), mesmo))
            continue;
        r.destinos.append(
            {codigo, linhas->Campo(QStringLiteral("Nome_Usuario")).toString().trimmed(),
                linhas->Campo(QStringLiteral("ID_Usuario")).toInt()});
    }
    return r;
}

bool DestinosDoDiretorio::ConfereConta(const QString &conta, const QString &senha)
{
    const auto achada = m_contas.constFind(conta);
    if (achada != m_contas.cend())
        return SenhaDeConta::Confere(*achada, senha);
    // As long as a wrong password takes, so the time of the answer does not tell which
    // accounts exist.
    if (m_resumoFalso.isEmpty())
        m_resumoFalso = SenhaDeConta::Resumo(QStringLiteral("conta inexistente"));
    SenhaDeConta::Confere(m_resumoFalso, senha);
    return false;
}

ResultadoFila DestinosDoDiretorio::Enfileira(const QList<PaginaSnpp> &paginas)
{
    using Resultado = ResultadoFila::Resultado;
    if (paginas.isEmpty())
        return {Resultado::Falha, {}, QStringLiteral("não há páginas no pedido")};
    const PaginaSnpp &primeira = paginas.constFirst();
    QList<DestinoDaFila> destinos;
    destinos.reserve(paginas.size());
    for (const PaginaSnpp &p : paginas) {
        if (p.texto != primeira.texto || p.origem != primeira.origem
            || p.naoAntesDe != primeira.naoAntesDe) {
            return {Resultado::Falha, {},
                QStringLiteral("as páginas de um pedido devem ter o mesmo texto, origem e hora")};
        }
        destinos.append({p.destino.codigo, p.destino.nome, p.destino.idUsuario});
    }
    const std::optional<qint64> pedido = m_fila.Enfileira(destinos, primeira.texto, primeira.origem,
        QDateTime::currentDateTimeUtc(), primeira.naoAntesDe, m_limiteDaFila);
    if (!pedido) {
        if (m_fila.Motivo() == FilaDePaginas::Resultado::Cheia)
            return {Resultado::Cheia, {}, m_fila.Erro()};
        diario::Escreve(diario::Prioridade::Aviso,
            QStringLiteral("Pedido de %1 não enfileirado: %2").arg(primeira.origem, m_fila.Erro()));
        return {Resultado::Falha, {}, m_fila.Erro()};
    }
    diario::Escreve(diario::Prioridade::Info,
        QStringLiteral("Pedido %1 na fila: %2 página(s) de %3")
            .arg(*pedido)
            .arg(paginas.size())
            .arg(primeira.origem));
    if (m_aoEnfileirar)
        m_aoEnfileirar();
    return {Resultado::Aceito, QString::number(*pedido), {}};
}
