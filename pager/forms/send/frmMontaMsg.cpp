// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMontaMsg.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "core/compose/DigitacaoMensagem.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/ListasDoDiretorio.h"
#include "core/settings/Programa.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"
#include "forms/widgets/ListaLonga.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kTamanhoMensagem = 240;
}

frmMontaMsg::frmMontaMsg(AmbienteJanela ambiente, Dependencias dependencias, QWidget *pai)
    : QDialog(pai)
    , m_ambiente(std::move(ambiente))
    , m_dep(std::move(dependencias))
{
    setObjectName(QStringLiteral("frmMontaMsg"));
    const QString titulo = QStringLiteral("Envio de Mensagens");
    setWindowTitle(titulo);

    auto *layout = new QVBoxLayout(this);
    QLabel *pnlTitulo = creditos::criaBanner(titulo, this);
    pnlTitulo->setObjectName(QStringLiteral("pnlTitulo"));
    layout->addWidget(pnlTitulo);

    auto *fraListagem = new QGroupBox(QStringLiteral("Listar:"), this);
    fraListagem->setObjectName(QStringLiteral("fraListagem"));
    auto *opcoes = new QHBoxLayout(fraListagem);
    m_optListaPorUsuario = new QRadioButton(QStringLiteral("Por Usuário"), fraListagem);
    m_optListaPorUsuario->setObjectName(QStringLiteral("optListaPorUsuario"));
    m_optListaPorGrupo = new QRadioButton(QStringLiteral("Por Grupo"), fraListagem);
    m_optListaPorGrupo->setObjectName(QStringLiteral("optListaPorGrupo"));
    // The window keeps the two options exclusive itself, so that Tab stops on each of them
    // (Qt would skip the one not chosen): reaching an option by keyboard chooses it.
    for (QRadioButton *opcao : {m_optListaPorUsuario, m_optListaPorGrupo}) {
        opcao->setAutoExclusive(false);
        connect(opcao, &QRadioButton::clicked, this, [this, opcao] {
            MarcaOpcao(opcao == m_optListaPorGrupo ? Listagem::PorGrupo : Listagem::PorUsuario);
        });
    }
    MarcaOpcao(Listagem::PorUsuario);
    m_optListaPorUsuario->installEventFilter(this);
    m_optListaPorGrupo->installEventFilter(this);
    opcoes->addWidget(m_optListaPorUsuario);
    opcoes->addWidget(m_optListaPorGrupo);
    layout->addWidget(fraListagem);

    auto *pnlMsgLista = new QLabel(QStringLiteral("Selecione Destinatário:"), this);
    pnlMsgLista->setObjectName(QStringLiteral("pnlMsg"));
    layout->addWidget(pnlMsgLista);
    auto *linhaLista = new QHBoxLayout;
    m_cmbUsuario = new QComboBox(this);
    m_cmbUsuario->setObjectName(QStringLiteral("cmbUsuario"));
    lista_longa::Prepara(*m_cmbUsuario, 30);
    m_cmbUsuario->setEditable(false);
    pnlMsgLista->setBuddy(m_cmbUsuario);
    linhaLista->addWidget(m_cmbUsuario, 1);
    m_cmdCadastrar = CriaBotaoFigura(QStringLiteral("cmdCadastrar"),
        QStringLiteral("Cadastrar Novo Usuário"), QStyle::SP_FileDialogNewFolder, this);
    connect(m_cmdCadastrar, &QToolButton::clicked, this, &frmMontaMsg::cmdCadastrar_Click);
    linhaLista->addWidget(m_cmdCadastrar);
    m_cmdAlterar = CriaBotaoFigura(QStringLiteral("cmdAlterar"),
        QStringLiteral("Alterar Informações Relativas ao Usuário Corrente"),
        QStyle::SP_FileDialogDetailedView, this);
    connect(m_cmdAlterar, &QToolButton::clicked, this, &frmMontaMsg::cmdAlterar_Click);
    linhaLista->addWidget(m_cmdAlterar);
    layout->addLayout(linhaLista);

    auto *pnlMsgTexto = new QLabel(QStringLiteral("Digite Aqui a Mensagem:"), this);
    pnlMsgTexto->setObjectName(QStringLiteral("pnlMsg"));
    layout->addWidget(pnlMsgTexto);
    m_txtMensagem = new CaixaDeTextoMultilinha(kTamanhoMensagem, this);
    m_txtMensagem->setObjectName(QStringLiteral("txtMensagem"));
    m_txtMensagem->defineTrocaDoDigitado(&digitacao::DobraCaractereDigitado);
    pnlMsgTexto->setBuddy(m_txtMensagem);
    connect(m_txtMensagem, &QPlainTextEdit::textChanged, this, &frmMontaMsg::txtMensagem_Change);
    layout->addWidget(m_txtMensagem);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    QToolButton *cmdEnviar = CriaBotaoFigura(QStringLiteral("cmdEnviar"),
        QStringLiteral("Discar e enviar mensagem..."), QStyle::SP_DialogApplyButton, this);
    connect(cmdEnviar, &QToolButton::clicked, this, &frmMontaMsg::cmdEnviar_Click);
    botoes->addWidget(cmdEnviar);
    QToolButton *cmdRetornar = CriaBotaoFigura(
        QStringLiteral("cmdRetornar"), QStringLiteral("Retornar"), QStyle::SP_ArrowBack, this);
    connect(cmdRetornar, &QToolButton::clicked, this, &frmMontaMsg::cmdRetornar_Click);
    botoes->addWidget(cmdRetornar);
    layout->addLayout(botoes);

    Form_Load();
}

void frmMontaMsg::Form_Load()
{
    AjustaINIOpcao();
}

void frmMontaMsg::AjustaINIOpcao()
{
    const Listagem listagem = ::AjustaINIOpcao(*m_dep.ini);
    MarcaOpcao(listagem);
    Lista(listagem);
}

void frmMontaMsg::ListaPorUsuario()
{
    Lista(Listagem::PorUsuario);
}

void frmMontaMsg::ListaPorGrupo()
{
    Lista(Listagem::PorGrupo);
}

void frmMontaMsg::Lista(Listagem listagem)
{
    const bool porUsuario = listagem == Listagem::PorUsuario;
    m_cmdCadastrar->setVisible(porUsuario);
    m_cmdAlterar->setVisible(porUsuario);

    QList<int> &ids = global::IdsDestinatarios();
    ids = {0};
    m_cmbUsuario->clear();
    std::optional<QList<listas::Item>> itens;
    {
        CursorOcupado ocupado;
        itens = porUsuario ? listas::Usuarios(m_diretorio) : listas::Grupos(m_diretorio);
    }
    if (!itens) {
        m_ambiente.MostraFalha(m_diretorio);
        return;
    }
    lista_longa::Acrescenta(*m_cmbUsuario, *itens);
    for (const listas::Item &item : *itens)
        ids.append(item.id);
    if (!itens->isEmpty())
        m_cmbUsuario->setCurrentIndex(0);
}

void frmMontaMsg::ListaNoModoAtual()
{
    Lista(listagem());
}

void frmMontaMsg::MarcaOpcao(Listagem listagem)
{
    m_optListaPorUsuario->setChecked(listagem == Listagem::PorUsuario);
    m_optListaPorGrupo->setChecked(listagem == Listagem::PorGrupo);
}

Listagem frmMontaMsg::listagem() const
{
    return m_optListaPorGrupo->isChecked() ? Listagem::PorGrupo : Listagem::PorUsuario;
}

bool frmMontaMsg::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusIn
        && (objeto == m_optListaPorUsuario || objeto == m_optListaPorGrupo)) {
        // The window coming back to the front is not the operator choosing an option.
        const Qt::FocusReason razao = static_cast<QFocusEvent *>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason) {
            const Listagem escolhida
                = objeto == m_optListaPorGrupo ? Listagem::PorGrupo : Listagem::PorUsuario;
            MarcaOpcao(escolhida);
            Lista(escolhida);
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmMontaMsg::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    // The text box takes the first focus, so that opening never lands on an option (which
    // would change the list kind the operator left).
    if (!m_mostrado) {
        m_mostrado = true;
        m_txtMensagem->setFocus(Qt::OtherFocusReason);
    }
}

void frmMontaMsg::txtMensagem_Change()
{
    if (m_recuperando || !digitacao::PedeMensagemAnterior(m_txtMensagem->toPlainText()))
        return;
    // The recalled text may itself read "=ANTERIOR": it must not be recalled again.
    m_recuperando = true;
    const QString anterior = global::MensagemAnterior().left(kTamanhoMensagem);
    m_txtMensagem->setPlainText(anterior);
    QTextCursor cursor = m_txtMensagem->textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    m_txtMensagem->setTextCursor(cursor);
    m_recuperando = false;
}

PedidoEnvio frmMontaMsg::Pedido() const
{
    PedidoEnvio pedido;
    pedido.modo
        = listagem() == Listagem::PorGrupo ? PedidoEnvio::Modo::Grupo : PedidoEnvio::Modo::Usuario;
    const QList<int> &ids = global::IdsDestinatarios();
    const int slot = m_cmbUsuario->currentIndex() + 1;
    pedido.identificador = slot > 0 && slot < ids.size() ? ids.at(slot) : 0;
    pedido.texto = m_txtMensagem->toPlainText();
    return pedido;
}

void frmMontaMsg::LimpaMensagem()
{
    m_txtMensagem->clear();
}

void frmMontaMsg::cmdEnviar_Click()
{
    if (m_cmbUsuario->count() == 0) {
        m_ambiente.caixa.mostra(QStringLiteral("Advertência:"),
            QStringLiteral("Favor selecionar o destinatário antes de enviar a mensagem."),
            CaixaMensagem::Icone::Informacao);
        return;
    }
    if (m_txtMensagem->toPlainText().isEmpty()) {
        m_ambiente.caixa.mostra(QStringLiteral("Advertência:"),
            QStringLiteral("Favor digitar a mensagem para depois enviá-la."),
            CaixaMensagem::Icone::Informacao);
        m_txtMensagem->setFocus(Qt::OtherFocusReason);
        return;
    }
    const PedidoEnvio pedido = Pedido();
    global::MensagemAnterior() = pedido.texto;
    global::EnvioIniciado() = false;
    if (!m_dep.mostraShowDoEnvio)
        return;
    m_dep.mostraShowDoEnvio(*this, pedido);
    m_ambiente.Status(programa::Pronto());
}

void frmMontaMsg::cmdCadastrar_Click()
{
    {
        frmCadastraUsuarios dialogo(m_ambiente.caixa, this);
        m_ambiente.Executa(dialogo);
    }
    ListaNoModoAtual();
}

void frmMontaMsg::cmdAlterar_Click()
{
    if (m_cmbUsuario->count() == 0) {
        m_ambiente.caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Não há nenhum dado selecionado."), CaixaMensagem::Icone::Informacao);
        return;
    }
    {
        frmCadastraUsuarios dialogo(m_ambiente.caixa, this);
        // A user another operator removed is offered no more.
        if (dialogo.CarregaDoDiretorio(Pedido().identificador))
            m_ambiente.Executa(dialogo);
    }
    ListaNoModoAtual();
}

void frmMontaMsg::cmdRetornar_Click()
{
    GravaINIOpcao(*m_dep.ini, listagem());
    QDialog::reject();
}

void frmMontaMsg::reject()
{
    // Esc and the window's close box end the window as "Retornar" does.
    cmdRetornar_Click();
}
