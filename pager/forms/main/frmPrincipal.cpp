// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPrincipal.h"

#include "CaixaMensagemQt.h"
#include "Icones.h"
#include "core/directory/BancoDeDados.h"
#include "core/line/LinhaPorta.h"
#include "core/line/RelogioReal.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"
#include "core/settings/Programa.h"
#include "frmAvancada.h"
#include "frmInicializa.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kAlturaRodape = 24;
// The status line ends 90 twips short of the footer's right edge.
constexpr int kFolgaTwips = 90;

} // namespace

frmPrincipal::frmPrincipal(Dependencias d, QWidget *pai)
    : QMainWindow(pai)
    , m_ini(std::make_unique<ArquivoIni>(d.pastaConfiguracao, programa::ArquivoINI()))
    , m_pastaPrograma(d.pastaPrograma)
    , m_janelas(std::move(d.janelas))
    , m_executaDialogo(std::move(d.executaDialogo))
{
    setObjectName(QStringLiteral("frmPrincipal"));
    if (!d.modem) {
        m_modemProprio = std::make_unique<LinhaPorta>();
        d.modem = m_modemProprio.get();
    }
    if (!d.relogio) {
        m_relogioProprio = std::make_unique<RelogioReal>();
        d.relogio = m_relogioProprio.get();
    }
    if (!d.caixa) {
        m_caixaPropria = std::make_unique<CaixaMensagemQt>(this);
        d.caixa = m_caixaPropria.get();
    }
    m_modem = d.modem;
    m_caixa = d.caixa;
    m_modulo = std::make_unique<Modulo>(*m_ini, *m_modem, *d.relogio, *m_caixa, *this);

    resize(640, 420);
    criaMenus();
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    criaBarraFerramentas();
    // The history windows live here, between the tool bar and the status line.
    m_areaMdi = new QMdiArea(central);
    m_areaMdi->setObjectName(QStringLiteral("areaMdi"));
    layout->addWidget(m_areaMdi, 1);
    criaRodape();

    // The status line follows the footer's width from the footer's own resize events: no
    // timer wakes the program while it sits idle.
    m_rodape->installEventFilter(this);
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::criaMenus()
{
    const auto item = [this](QMenu *menu, const char *nome, const QString &texto,
                          const QKeySequence &atalho, void (frmPrincipal::*slot)()) {
        QAction *a = menu->addAction(texto);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(atalho);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const auto menu = [this](const char *nome, const QString &texto) {
        QMenu *m = menuBar()->addMenu(texto);
        m->setObjectName(QString::fromLatin1(nome));
        return m;
    };

    QMenu *arquivo = menu("mnuArquivo", QStringLiteral("&Arquivo"));
    item(arquivo, "mnuConfigurarModem", QStringLiteral("&Configurar Modem"), {},
        &frmPrincipal::mnuConfigurarModem_Click);
    item(arquivo, "mnuOpcoesAvancadas", QStringLiteral("&Opções Avançadas"), {},
        &frmPrincipal::mnuOpcoesAvancadas_Click);
    arquivo->addSeparator();
    item(arquivo, "mnuSair", QStringLiteral("Sai&r"), {}, &frmPrincipal::mnuSair_Click);

    QMenu *grupos = menu("mnuGrupos", QStringLiteral("&Grupos"));
    item(grupos, "mnuGruposCadastro", QStringLiteral("&Cadastro de Grupos"),
        QKeySequence(Qt::CTRL | Qt::Key_F4), &frmPrincipal::mnuGruposCadastro_Click);
    item(grupos, "mnuGruposExibirUsuarioGrupo", QStringLiteral("E&xibir Usuarios do Grupo"),
        QKeySequence(Qt::CTRL | Qt::Key_F8), &frmPrincipal::mnuGruposExibirUsuarioGrupo_Click);

    QMenu *usuarios = menu("mnuUsuarios", QStringLiteral("&Usuários"));
    item(usuarios, "mnuUsuariosCadastraNovo", QStringLiteral("&Cadastrar Novo"),
        QKeySequence(Qt::Key_F5), &frmPrincipal::mnuUsuariosCadastraNovo_Click);
    item(usuarios, "mnuUsuariosVisualizaCadastro", QStringLiteral("&Visualizar Cadastro"),
        QKeySequence(Qt::Key_F4), &frmPrincipal::mnuUsuariosVisualizaCadastro_Click);

    QMenu *mensagem = menu("mnuMensagem", QStringLiteral("&Mensagem"));
    item(mensagem, "mnuDigitaEnviaMsg", QStringLiteral("Digitar + Enviar"),
        QKeySequence(Qt::CTRL | Qt::Key_M), &frmPrincipal::mnuDigitaEnviaMsg_Click);
    item(mensagem, "mnuMensagemExibirHistorico", QStringLiteral("E&xibir Histórico"),
        QKeySequence(Qt::CTRL | Qt::Key_H), &frmPrincipal::mnuMensagemExibirHistorico_Click);
    item(mensagem, "mnuMensagemFilaDeEnvio", QStringLiteral("&Fila de Envio"), {},
        &frmPrincipal::mnuMensagemFilaDeEnvio_Click);

    QMenu *ajuda = menu("mnuAjuda", QStringLiteral("A&juda"));
    item(ajuda, "mnuExibirAjuda", QStringLiteral("E&xibir a Ajuda"), QKeySequence(Qt::Key_F1),
        &frmPrincipal::mnuExibirAjuda_Click);
    ajuda->addSeparator();
    item(ajuda, "mnuAjudaSobre", QStringLiteral("So&bre o Programa"),
        QKeySequence(Qt::CTRL | Qt::Key_F1), &frmPrincipal::mnuAjudaSobre_Click);
}

void frmPrincipal::criaBarraFerramentas()
{
    auto *barra = new QFrame(centralWidget());
    barra->setObjectName(QStringLiteral("pnlToolBar"));
    barra->setFrameShape(QFrame::Panel);
    barra->setFrameShadow(QFrame::Raised);
    auto *layout = new QHBoxLayout(barra);
    layout->setContentsMargins(4, 3, 4, 3);
    layout->setSpacing(2);
    const auto botao = [&](const char *nome, const QIcon &icone, const QString &dica,
                           void (frmPrincipal::*slot)()) {
        auto *b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setIcon(icone);
        b->setIconSize(QSize(32, 32));
        b->setToolTip(dica);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        layout->addWidget(b);
    };
    botao("cmdGrupos", icones::Grupos(), QStringLiteral("Visualisar Cadastro de Grupos"),
        &frmPrincipal::mnuGruposCadastro_Click);
    botao("cmdVisualizaUsuarios", icones::Usuarios(),
        QStringLiteral("Exibir o Cadastro de Usuários"),
        &frmPrincipal::mnuUsuariosVisualizaCadastro_Click);
    botao("cmdExibirHistorico", icones::Historico(),
        QStringLiteral("Exibir Histórico de Todas as Mensagens Enviadas"),
        &frmPrincipal::mnuMensagemExibirHistorico_Click);
    layout->addSpacing(16);
    botao("cmdDiscarEnviar", icones::DiscarEnviar(), QStringLiteral("Digitar e Enviar Mensagens"),
        &frmPrincipal::mnuDigitaEnviaMsg_Click);
    layout->addStretch();
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(barra);
}

void frmPrincipal::criaRodape()
{
    m_rodape = new QFrame(centralWidget());
    m_rodape->setObjectName(QStringLiteral("pnlFooterBar"));
    m_rodape->setFrameShape(QFrame::Panel);
    m_rodape->setFrameShadow(QFrame::Raised);
    m_rodape->setFixedHeight(kAlturaRodape);
    // Placed by hand, not by a layout: the footer's resize keeps its width in step.
    m_status = new QLabel(programa::Pronto(), m_rodape);
    m_status->setObjectName(QStringLiteral("pnlStatus"));
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->move(2, 2);
    m_status->setFixedHeight(kAlturaRodape - 4);
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(m_rodape);
}

bool frmPrincipal::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_rodape && evento->type() == QEvent::Resize)
        pnlFooterBar_Resize();
    return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::pnlFooterBar_Resize()
{
    const int folga = kFolgaTwips * logicalDpiX() / 1440;
    const int largura = std::max(0, m_rodape->width() - folga);
    if (m_status->width() != largura)
        m_status->setFixedWidth(largura);
}

void frmPrincipal::mostraStatus(const QString &texto)
{
    m_status->setText(texto);
    // The modem waits hold the event loop; paint now so the user sees the step.
    if (m_status->isVisible())
        m_status->repaint();
    Q_EMIT statusAlterado(texto);
}

QString frmPrincipal::status() const
{
    return m_status->text();
}

void frmPrincipal::executaDialogo(QDialog &dialogo)
{
    if (m_executaDialogo)
        m_executaDialogo(dialogo);
    else
        dialogo.exec();
}

void frmPrincipal::abre(const std::function<void(frmPrincipal &)> &janela)
{
    if (janela)
        janela(*this);
}

void frmPrincipal::mnuOpcoesAvancadas_Click()
{
    frmAvancada dialogo(*m_ini, this);
    executaDialogo(dialogo);
}

void frmPrincipal::mnuSair_Click()
{
    encerraPrograma();
}

void frmPrincipal::encerraPrograma()
{
    m_encerrado = true;
    fechaSplash();
    FechaBancoDeDados();
    close();
    // During the start-up no event loop of the application runs yet: Form_Load sees the
    // flag and main() returns. Asked then, exit() would only make every later pause spin.
    if (!m_iniciando)
        QCoreApplication::exit(0);
}

void frmPrincipal::closeEvent(QCloseEvent *evento)
{
    // Closing the window ends the program, even while the start-up is still running.
    m_encerrado = true;
    FechaBancoDeDados();
    m_modem->fecha();
    evento->accept();
}

void frmPrincipal::mnuGruposCadastro_Click()
{
    abre(m_janelas.cadastroGrupos);
}

void frmPrincipal::mnuGruposExibirUsuarioGrupo_Click()
{
    abre(m_janelas.usuariosGrupo);
}

void frmPrincipal::mnuUsuariosCadastraNovo_Click()
{
    abre(m_janelas.cadastraUsuarios);
}

void frmPrincipal::mnuUsuariosVisualizaCadastro_Click()
{
    abre(m_janelas.visualizaUsuarios);
}

void frmPrincipal::mnuDigitaEnviaMsg_Click()
{
    // The main window shows the hourglass for as long as the compose window is open.
    setCursor(Qt::WaitCursor);
    abre(m_janelas.montaMsg);
    unsetCursor();
}

void frmPrincipal::mnuMensagemExibirHistorico_Click()
{
    abre(m_janelas.historico);
}

void frmPrincipal::mnuMensagemFilaDeEnvio_Click()
{
    abre(m_janelas.fila);
}

void frmPrincipal::mnuExibirAjuda_Click()
{
    m_caixa->mostra(programa::NomePrograma(), QStringLiteral("Ajuda ainda não disponível"),
        CaixaMensagem::Icone::Nenhum);
}

void frmPrincipal::mnuAjudaSobre_Click()
{
    abre(m_janelas.sobre);
}
