// SPDX-License-Identifier: GPL-3.0-or-later
#include "Entregador.h"

#include "Diario.h"
#include "EntregaDaFila.h"
#include "SaidasDoDiario.h"
#include "core/directory/BancoDeDados.h"
#include "core/line/LinhaPorta.h"
#include "core/line/RelogioReal.h"
#include "core/modem/Modulo.h"
#include "core/queue/FilaDePaginas.h"
#include "core/settings/ArquivoIni.h"

#include <QFileInfo>
#include <QThread>
#include <QTimer>

using diario::Prioridade;

namespace {

// Pages claimed at once; the delivery claims more while the call lasts.
constexpr int kLote = 50;
// After a failure of the directory itself, the next look at the queue.
constexpr int kNovaLeituraMs = 30'000;
// The longest a timer is set for; a later due time is simply looked at again then.
constexpr qint64 kMaiorEsperaMs = 24LL * 3600 * 1000;

QDateTime agora()
{
    return QDateTime::currentDateTimeUtc();
}

} // namespace

struct Entregador::Partes
{
    explicit Partes(const QString &caminhoIni, const ConfiguracaoDoServico &config)
        : ini(QFileInfo(caminhoIni).absolutePath(), QFileInfo(caminhoIni).fileName())
        , fila(QString::fromLatin1(kConexao))
        , entrega(modulo, fila, config.politica, config.nome, &agora)
    { }

    ArquivoIni ini;
    LinhaPorta linha;
    RelogioReal relogio;
    CaixaDoDiario caixa;
    PainelDoDiario status;
    Modulo modulo{ini, linha, relogio, caixa, status};
    FilaDePaginas fila;
    EntregaDaFila entrega;
};

Entregador::Entregador(const ConfiguracaoDoServico &config, const QString &ini, SaudeDaLinha &saude)
    : m_config(config)
    , m_ini(ini)
    , m_saude(saude)
{ }

Entregador::~Entregador() = default;

void Entregador::Inicia()
{
    if (!AbreOutraConexao(QString::fromLatin1(kConexao))) {
        emit falhou(QStringLiteral("Não foi possível abrir uma segunda conexão com o diretório "
                                   "para a entrega das páginas."));
        return;
    }
    m_partes = std::make_unique<Partes>(m_ini, m_config);
    // The modem's set-up waits run this thread's events: a wake-up or a stop meanwhile is
    // kept for the end of it, as during a call.
    m_ocupado = true;
    Modulo &modulo = m_partes->modulo;
    modulo.DefineNumeroPorta(modulo.PortaDasConfiguracoes());
    QString motivo;
    if (modulo.NumeroPorta() == 0) {
        m_saude.Define(QStringLiteral("Nenhuma porta escolhida em \"Porta Serial\" de [MODEM]: "
                                      "as páginas ficam na fila até que uma seja configurada."));
    } else if (!modulo.ConfiguraModem(&motivo)) {
        m_saude.Define(
            QStringLiteral("A porta %1 não abriu (%2); ela será aberta de novo a cada entrega.")
                .arg(modulo.DispositivoDaPorta(modulo.NumeroPorta()), motivo));
    } else {
        modulo.InicializaModem();
    }
    if (!m_saude.Problema().isEmpty())
        diario::Escreve(Prioridade::Aviso, m_saude.Problema());

    const std::optional<int> recuperadas = m_partes->fila.Recupera(m_config.nome);
    if (!recuperadas) {
        diario::Escreve(Prioridade::Erro, m_partes->fila.Erro());
    } else if (*recuperadas > 0) {
        diario::Escreve(Prioridade::Aviso,
            QStringLiteral("%1 página(s) estavam sendo enviadas quando o serviço parou e serão "
                           "enviadas de novo: a central pode já ter recebido alguma delas.")
                .arg(*recuperadas));
    }

    m_relogio = new QTimer(this);
    m_relogio->setSingleShot(true);
    connect(m_relogio, &QTimer::timeout, this, &Entregador::Acorda);
    m_ocupado = false;
    Acorda();
}

void Entregador::Acorda()
{
    // Without a port no call can be made: the pages wait untouched for one in the settings,
    // instead of spending their attempts on calls that cannot be.
    if (!m_partes || m_partes->modulo.NumeroPorta() == 0)
        return;
    // The calls to the paging company process events: a wake-up meanwhile is kept for after.
    if (m_ocupado) {
        m_deNovo = true;
        return;
    }
    m_ocupado = true;
    do {
        m_deNovo = false;
        entregaVencidas();
    } while (m_deNovo && !m_termina);
    m_ocupado = false;
    if (m_termina)
        Termina();
    else
        programa();
}

void Entregador::entregaVencidas()
{
    while (!m_termina) {
        const auto paginas = m_partes->fila.Reivindica(agora(), kLote, m_config.nome);
        if (!paginas) {
            diario::Escreve(Prioridade::Erro, m_partes->fila.Erro());
            return;
        }
        if (paginas->isEmpty())
            return;
        const ResumoDaEntrega resumo = m_partes->entrega.Entrega(*paginas);
        // A call that delivered or was refused reached the company; one that only deferred
        // pages did not (the reasons are in the log, page by page).
        m_saude.Define(resumo.entregues + resumo.recusadas > 0 || resumo.adiadas == 0
                ? QString()
                : QStringLiteral("A última chamada à central falhou: %1.").arg(resumo.Texto()));
    }
}

void Entregador::programa()
{
    const std::optional<QDateTime> proximo = m_partes->fila.ProximoVencimento();
    if (!proximo) {
        diario::Escreve(Prioridade::Erro, m_partes->fila.Erro());
        m_relogio->start(kNovaLeituraMs);
        return;
    }
    if (!proximo->isValid()) {
        m_relogio->stop();
        return;
    }
    m_relogio->start(static_cast<int>(std::clamp(agora().msecsTo(*proximo), 0LL, kMaiorEsperaMs)));
}

void Entregador::Termina()
{
    if (m_relogio)
        m_relogio->stop();
    // Asked from the waits of a call under way (they run this thread's events), the parts
    // must outlive the call: Acorda comes back here when it is over.
    m_termina = true;
    if (m_ocupado)
        return;
    if (m_partes)
        m_partes->linha.fecha();
    m_partes.reset();
    FechaConexao(QString::fromLatin1(kConexao));
    QThread::currentThread()->quit();
}
