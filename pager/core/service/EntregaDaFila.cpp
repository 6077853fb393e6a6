// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntregaDaFila.h"

#include "Diario.h"
#include "core/line/Relogio.h"
#include "core/modem/Modulo.h"
#include "core/tap/ChamadaTAP.h"

QString ResumoDaEntrega::Texto() const
{
    return QStringLiteral("%1 entregue(s), %2 recusada(s), %3 adiada(s), %4 desistida(s)")
        .arg(entregues)
        .arg(recusadas)
        .arg(adiadas)
        .arg(desistidas);
}

EntregaDaFila::EntregaDaFila(Modulo &modulo, FilaDePaginas &fila, PoliticaDeRepeticao politica,
    QString servico, Calendario calendario, int lote)
    : m_modulo(modulo)
    , m_fila(fila)
    , m_politica(politica)
    , m_servico(std::move(servico))
    , m_calendario(std::move(calendario))
    , m_lote(lote)
{ }

ResumoDaEntrega EntregaDaFila::Entrega(QList<PaginaDaFila> paginas)
{
    m_resumo = {};
    m_aceitas.clear();
    m_momentos.clear();
    if (paginas.isEmpty())
        return m_resumo;
    ChamadaTAP chamada(m_modulo);
    // What the terminal acknowledged is committed while the call is still up: before it
    // logs off or hangs up, and before a failure is shown.
    chamada.AntesDeDesligar([this] { Confirma(); });
    // A failed step has hung up already.
    if (!chamada.Disca() || !chamada.EntraNoModoAutomatico()) {
        Adia(paginas, 0, chamada.Razao());
        return m_resumo;
    }
    while (!paginas.isEmpty()) {
        for (qsizetype i = 0; i < paginas.size(); ++i) {
            if (!Envia(chamada, paginas.at(i))) {
                Adia(paginas, i, chamada.Razao());
                return m_resumo;
            }
        }
        if (chamada.ServicoDesligou())
            break;
        Confirma();
        paginas = MaisPaginas();
    }
    chamada.Encerra(m_resumo.entregues > 0);
    return m_resumo;
}

bool EntregaDaFila::Envia(ChamadaTAP &chamada, const PaginaDaFila &pagina)
{
    // A service that hung up with its last verdict takes nothing more.
    if (chamada.ServicoDesligou()) {
        chamada.FalhaPorDesconexao();
        return false;
    }
    const auto linhas = ChamadaTAP::Linhas(pagina.destino.idPager, pagina.mensagem);
    // A page that cannot be made into blocks never will be: it must not end the call.
    if (!linhas) {
        Confirma();
        Recusa(pagina, QStringLiteral("Texto longo demais para uma mensagem."));
        return true;
    }
    switch (chamada.EnviaPagina(*linhas)) {
    case ChamadaTAP::Resultado::Falhou: return false;
    case ChamadaTAP::Resultado::Recusada:
        Confirma();
        Recusa(pagina, chamada.Razao());
        return true;
    case ChamadaTAP::Resultado::Aceita: break;
    }
    ++m_resumo.entregues;
    const double agora = m_modulo.relogio().agora();
    if (m_aceitas.isEmpty())
        m_primeiraAceita = agora;
    m_aceitas.append(pagina);
    m_momentos.append({pagina.id, m_calendario()});
    if (m_aceitas.size() >= kGrupo || agora - m_primeiraAceita >= kIntervalo)
        Confirma();
    return true;
}

void EntregaDaFila::Confirma()
{
    if (m_aceitas.isEmpty())
        return;
    // The terminal has these pages: a queue that cannot record them leaves them `enviando`,
    // to be sent again after a restart.
    const std::optional<QList<qint64>> ausentes = m_fila.Entregues(m_momentos);
    for (const PaginaDaFila &pagina : std::as_const(m_aceitas)) {
        if (!ausentes)
            Registra(
                true, pagina, QStringLiteral("entregue, mas não registrada: ") + m_fila.Erro());
        else if (ausentes->contains(pagina.id))
            Registra(true, pagina,
                QStringLiteral("entregue, mas não registrada: a mensagem não estava mais sendo "
                               "enviada."));
        else
            Registra(false, pagina, QStringLiteral("entregue."));
    }
    m_aceitas.clear();
    m_momentos.clear();
}

void EntregaDaFila::Recusa(const PaginaDaFila &pagina, const QString &razao)
{
    ++m_resumo.recusadas;
    if (m_fila.Recusada(pagina.id, razao, m_calendario()))
        Registra(true, pagina, QStringLiteral("recusada: ") + razao);
    else
        Registra(true, pagina, QStringLiteral("recusada, mas não registrada: ") + m_fila.Erro());
}

void EntregaDaFila::Adia(const QList<PaginaDaFila> &paginas, qsizetype desde, const QString &razao)
{
    for (qsizetype i = desde; i < paginas.size(); ++i) {
        const PaginaDaFila &pagina = paginas.at(i);
        const std::optional<EstadoDaFila> estado
            = m_fila.Adia(pagina.id, razao, m_calendario(), m_politica);
        if (!estado) {
            Registra(true, pagina, QStringLiteral("não enviada, e não adiada: ") + m_fila.Erro());
            continue;
        }
        const bool desistida = *estado == EstadoDaFila::Desistida;
        ++(desistida ? m_resumo.desistidas : m_resumo.adiadas);
        Registra(true, pagina, TextoDoEstado(*estado) + QStringLiteral(": ") + razao);
    }
}

QList<PaginaDaFila> EntregaDaFila::MaisPaginas()
{
    const auto paginas = m_fila.Reivindica(m_calendario(), m_lote, m_servico);
    if (!paginas)
        diario::Escreve(diario::Prioridade::Erro,
            QStringLiteral("Não foi possível ler a fila: ") + m_fila.Erro());
    return paginas.value_or(QList<PaginaDaFila>());
}

void EntregaDaFila::Registra(bool falha, const PaginaDaFila &pagina, const QString &resultado)
{
    diario::Escreve(falha ? diario::Prioridade::Aviso : diario::Prioridade::Info,
        QStringLiteral("Mensagem %1 para %2: %3")
            .arg(pagina.id)
            .arg(pagina.destino.idPager, resultado));
}
