// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPrincipal.h"

#include "CaixaMensagemQt.h"
#include "Configuracao.h"
#include "CursorOcupado.h"
#include "Figuras.h"
#include "app/impressao/ComandoImprimir.h"
#include "app/impressao/ExportaWord.h"
#include "app/opcoes/frmAjuda.h"
#include "app/opcoes/frmDicasDoDia.h"
#include "app/opcoes/frmOpcoes.h"
#include "app/relatorios/RelatorioParcial.h"
#include "app/relatorios/RelatorioSemanal.h"
#include "engine/RelatorioCompleto.h"
#include "frmEntraDados.h"
#include "frmResultado.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Old screens counted 15 twips to a pixel; the tool bar keeps the old geometry.
constexpr int pixels(int twips)
{
    return twips / 15;
}

// What printing and export work on: the active result's report, if any.
OrigemRelatorio origemDe(const DocumentoRelatorio *documento)
{
    return documento ? OrigemRelatorio(documento->texto) : std::nullopt;
}

} // namespace

frmPrincipal::frmPrincipal(PastasVistral pastas, CaixaMensagem *caixa, Relogio hoje, QWidget *pai)
    : QMainWindow(pai)
    , m_pastas(std::move(pastas))
    , m_hoje(std::move(hoje))
    , m_mdi(new QMdiArea(this))
{
    if (!caixa) {
        m_caixaPropria = std::make_unique<CaixaMensagemQt>(this);
        caixa = m_caixaPropria.get();
    }
    m_caixa = caixa;
    if (!m_hoje)
        m_hoje = [] { return QDate::currentDate(); };

    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Quorvane® Vistral"));
    setWindowIcon(Figuras::analiseCompleta());
    m_mdi->setObjectName(QStringLiteral("mdiResultados"));
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto *centro = new QWidget(this);
    auto *layout = new QVBoxLayout(centro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(centro);
    criaBarraDeFerramentas();
    layout->addWidget(m_mdi, 1);
    criaBarraDeStatus();
    criaMenus();
    resize(900, 650);
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::criaBarraDeFerramentas()
{
    auto *pnlToolBar = new QFrame(centralWidget());
    pnlToolBar->setObjectName(QStringLiteral("pnlToolBar"));
    pnlToolBar->setFrameShape(QFrame::Panel);
    pnlToolBar->setFrameShadow(QFrame::Raised);
    pnlToolBar->setFixedHeight(pixels(690));

    struct Botao
    {
        const char *nome;
        QString dica;
        QIcon figura;
        void (frmPrincipal::*acao)();
    };
    const Botao botoes[] = {
        {"cmdRelatorio", QStringLiteral("Análise Numerológica Completa"),
            Figuras::analiseCompleta(), &frmPrincipal::cmdRelatorio_Click},
        {"cmdNumerologiaParcial", QStringLiteral("Análise Numerológica Parcial"),
            Figuras::analiseParcial(), &frmPrincipal::cmdNumerologiaParcial_Click},
        {"cmdApenasSemanal", QStringLiteral("Análise Numerológica Semanal"),
            Figuras::analiseSemanal(), &frmPrincipal::cmdApenasSemanal_Click},
        {"cmdExportarWord",
            QStringLiteral("Exporta os dados da análise atual para o Microsoft® Word"),
            Figuras::exportar(), &frmPrincipal::cmdExportarWord_Click},
        {"cmdImprimir",
            QStringLiteral("Imprime o Conteúdo da Análise Atual diretamente na Impressora"),
            Figuras::imprimir(), &frmPrincipal::cmdImprimir_Click},
        {"cmdAjuda", QStringLiteral("Exibe a Ajuda de Vistral"), Figuras::ajuda(),
            &frmPrincipal::cmdAjuda_Click},
        {"cmdSair", QStringLiteral("Encerra Vistral"), Figuras::sair(),
            &frmPrincipal::cmdSair_Click},
    };
    int posicao = 0;
    for (const Botao &b : botoes) {
        auto *botao = new QToolButton(pnlToolBar);
        botao->setObjectName(QString::fromLatin1(b.nome));
        botao->setToolTip(b.dica);
        botao->setIcon(b.figura);
        botao->setIconSize(QSize(32, 32));
        botao->setGeometry(pixels(45 + 720 * posicao), pixels(45), pixels(645), pixels(600));
        connect(botao, &QToolButton::clicked, this, b.acao);
        ++posicao;
    }
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(pnlToolBar);
}

void frmPrincipal::criaBarraDeStatus()
{
    auto *pnlFundo = new QFrame(centralWidget());
    pnlFundo->setObjectName(QStringLiteral("pnlFundo"));
    pnlFundo->setFrameShape(QFrame::Panel);
    pnlFundo->setFrameShadow(QFrame::Raised);
    pnlFundo->setFixedHeight(pixels(555));

    auto *imgNovidades = new QToolButton(pnlFundo);
    imgNovidades->setObjectName(QStringLiteral("imgNovidades"));
    imgNovidades->setIcon(Figuras::novidades());
    imgNovidades->setIconSize(QSize(24, 24));
    imgNovidades->setToolTip(QStringLiteral(
        "Quorvane® Brasil - Suporte e novidades: www.quorvane.com.br - suporte@quorvane.com.br"));
    connect(imgNovidades, &QToolButton::clicked, this, &frmPrincipal::imgNovidades_Click);

    m_pnlInfo = new QLabel(QStringLiteral("Pronto"), pnlFundo);
    m_pnlInfo->setObjectName(QStringLiteral("pnlInfo"));
    m_pnlInfo->setFrameShape(QFrame::Panel);
    m_pnlInfo->setFrameShadow(QFrame::Sunken);

    auto *layout = new QHBoxLayout(pnlFundo);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->addWidget(imgNovidades);
    layout->addWidget(m_pnlInfo, 1);
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(pnlFundo);
}

void frmPrincipal::criaMenus()
{
    QMenu *mnuArquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivo->setObjectName(QStringLiteral("mnuArquivo"));
    QAction *opcoes
        = mnuArquivo->addAction(QStringLiteral("O&pções"), this, &frmPrincipal::mnuOpcoes_Click);
    opcoes->setObjectName(QStringLiteral("mnuOpções"));
    QAction *nulo = mnuArquivo->addSeparator();
    nulo->setObjectName(QStringLiteral("mnuNulo"));
    QAction *sairMenu
        = mnuArquivo->addAction(QStringLiteral("Sai&r"), this, &frmPrincipal::mnuSair_Click);
    sairMenu->setObjectName(QStringLiteral("mnuSair"));

    QMenu *mnuAjuda = menuBar()->addMenu(QStringLiteral("A&juda"));
    mnuAjuda->setObjectName(QStringLiteral("mnuAjuda"));
    QAction *ajudaPrograma = mnuAjuda->addAction(
        QStringLiteral("Exibir a Ajuda do Programa"), this, &frmPrincipal::mnuAjudaPrograma_Click);
    ajudaPrograma->setObjectName(QStringLiteral("mnuAjudaPrograma"));
    ajudaPrograma->setShortcut(QKeySequence(Qt::Key_F1));
}

void frmPrincipal::MDIForm_Load()
{
    CaminhoWord = Configuracao::LeCaminhoWord(m_pastas.usuario);
    show();
    UsarInternet = true;
    ChecaAcessoInternet();
    {
        CursorOcupado ocupado;
        defineStatus(QStringLiteral("Pronto"));
    }
    show();
    if (Configuracao::ExibeDicaAoIniciar(m_pastas.usuario))
        ExibeDicaDoDia();
    CursorOcupado{};
}

void frmPrincipal::ChecaAcessoInternet()
{
    UsarInternet = Configuracao::ChecaAcessoInternet(m_pastas.usuario, *m_caixa);
}

void frmPrincipal::ExibeDicaDoDia()
{
    frmDicasDoDia dica(m_pastas, *m_caixa, {}, this);
    dica.exec();
}

frmResultado *frmPrincipal::resultadoAtivo() const
{
    QMdiSubWindow *atual = m_mdi->currentSubWindow();
    return atual ? qobject_cast<frmResultado *>(atual->widget()) : nullptr;
}

const DocumentoRelatorio *frmPrincipal::documentoAtivo() const
{
    const frmResultado *ativo = resultadoAtivo();
    return ativo ? &ativo->documento() : nullptr;
}

QList<frmResultado *> frmPrincipal::resultados() const
{
    QList<frmResultado *> lista;
    for (QMdiSubWindow *janela : m_mdi->subWindowList()) {
        if (auto *resultado = qobject_cast<frmResultado *>(janela->widget()))
            lista.append(resultado);
    }
    return lista;
}

void frmPrincipal::defineStatus(const QString &texto)
{
    m_pnlInfo->setText(texto);
    // The analyses run without returning to the event loop; paint the text now.
    m_pnlInfo->repaint();
}

frmResultado *frmPrincipal::exibeResultado(const DocumentoRelatorio &documento)
{
    auto *resultado = new frmResultado(documento);
    QMdiSubWindow *janela = m_mdi->addSubWindow(resultado);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->resize(m_mdi->size() * 0.8);
    // The area placed the window at its first, smaller size: step it down from the top left
    // corner instead, so the larger window stays inside the area whatever else is open.
    const int passo = janela->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, janela);
    const QSize folga = m_mdi->viewport()->size() - janela->size();
    const int ordem = int(m_mdi->subWindowList().size()) - 1;
    const int degraus
        = std::max(1, std::min(folga.width(), folga.height()) / std::max(1, passo) + 1);
    janela->move(QPoint(passo, passo) * (ordem % degraus));
    janela->show();
    m_mdi->setActiveSubWindow(janela);
    return resultado;
}

void frmPrincipal::executaAnalise(const GeradorRelatorio &gerador)
{
    defineStatus(QStringLiteral("Análisando Nome e Data de Nascimento, Aguarde . . ."));
    {
        CursorOcupado ocupado;
        const RelatorioGerado gerado
            = gerador(NomeAnalisado, DataNascimento, hoje(), m_pastas.dados);
        if (gerado.caminhoDaVida)
            CaminhoDaVida = *gerado.caminhoDaVida;
        defineStatus(QStringLiteral("Preparando para exibir resultado, Aguarde . . ."));
        exibeResultado(gerado.documento);
    }
    defineStatus(QStringLiteral("Pronto"));
}

bool frmPrincipal::PedeDados()
{
    frmEntraDados dialogo(*m_caixa, this);
    if (dialogo.exec() != QDialog::Accepted) {
        NomeAnalisado.clear();
        return false;
    }
    NomeAnalisado = dialogo.nome();
    DataNascimento = dialogo.dataNascimento();
    return !NomeAnalisado.isEmpty();
}

void frmPrincipal::cmdRelatorio_Click()
{
    if (PedeDados())
        CriaRelatorio();
}

void frmPrincipal::cmdNumerologiaParcial_Click()
{
    if (PedeDados())
        CriaRelatorioParcial();
}

void frmPrincipal::cmdApenasSemanal_Click()
{
    if (PedeDados())
        CriaRelatorioSemanal();
}

void frmPrincipal::CriaRelatorio()
{
    executaAnalise(Relatorio::CriaRelatorio);
}

void frmPrincipal::CriaRelatorioParcial()
{
    executaAnalise(Relatorio::CriaRelatorioParcial);
}

void frmPrincipal::CriaRelatorioSemanal()
{
    executaAnalise(Relatorio::CriaRelatorioSemanal);
}

void frmPrincipal::cmdExportarWord_Click()
{
    ExportaWord(*m_caixa).exporta(origemDe(documentoAtivo()), CaminhoWord);
}

void frmPrincipal::cmdImprimir_Click()
{
    ComandoImprimir(*m_caixa, [this](const QString &texto) {
        defineStatus(texto);
    }).imprime(origemDe(documentoAtivo()));
}

void frmPrincipal::cmdAjuda_Click()
{
    mnuAjudaPrograma_Click();
}

void frmPrincipal::mnuAjudaPrograma_Click()
{
    frmAjuda::abre(m_pastas.dados, *m_caixa, this);
}

void frmPrincipal::mnuOpcoes_Click()
{
    frmOpcoes opcoes(m_pastas.usuario, CaminhoWord, *m_caixa, this);
    opcoes.exec();
    // The files are the truth, also after a write that failed half-way: memory follows them.
    if (const auto caminho = Configuracao::LeLinha(m_pastas.usuario, Configuracao::ArquivoWord))
        CaminhoWord = *caminho;
    if (const auto internet
        = Configuracao::LeLinha(m_pastas.usuario, Configuracao::ArquivoInternet))
        UsarInternet = *internet == QLatin1String("S");
}

void frmPrincipal::cmdSair_Click()
{
    if (m_caixa->pergunta(QStringLiteral("Vistral"), QStringLiteral("Confirma Saída?"))
        != CaixaMensagem::Resposta::Sim)
        return;
    m_mdi->closeAllSubWindows();
    close();
    QCoreApplication::quit();
}

void frmPrincipal::mnuSair_Click()
{
    cmdSair_Click();
}

void frmPrincipal::imgNovidades_Click()
{
    defineStatus(QStringLiteral("Pronto"));
}
