// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmVisualizaUsuarios.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "core/directory/ErroBanco.h"
#include "core/directory/ListasDoDiretorio.h"
#include "core/directory/TextosDoCadastro.h"
#include "core/settings/Programa.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"
#include "forms/widgets/ListaLonga.h"
#include "forms/widgets/Paineis.h"
#include "frmCadastraUsuarios.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString NenhumUsuario()
{
    return QStringLiteral("Não há usuários cadastrados.");
}
} // namespace

frmVisualizaUsuarios::frmVisualizaUsuarios(
    AmbienteJanela ambiente, Dependencias dependencias, QWidget *pai)
    : QDialog(pai)
    , m_ambiente(std::move(ambiente))
    , m_dep(std::move(dependencias))
{
    setObjectName(QStringLiteral("frmVisualizaUsuarios"));
    const QString titulo = QStringLiteral("Visualizando Usuários");
    setWindowTitle(titulo);

    auto *layout = new QVBoxLayout(this);
    QLabel *pnlTitulo = creditos::criaBanner(titulo, this);
    pnlTitulo->setObjectName(QStringLiteral("pnlTitulo"));
    layout->addWidget(pnlTitulo);

    m_cmbUsuario = new QComboBox(this);
    m_cmbUsuario->setObjectName(QStringLiteral("cmbUsuario"));
    lista_longa::Prepara(*m_cmbUsuario, 30);
    m_cmbUsuario->setEditable(false);
    connect(m_cmbUsuario, &QComboBox::currentIndexChanged, this,
        &frmVisualizaUsuarios::ExibeInfoUsuario);
    layout->addWidget(m_cmbUsuario);

    auto *pnlMsg = new QLabel(QStringLiteral("Descrição do Usuário:"), this);
    pnlMsg->setObjectName(QStringLiteral("pnlMsg"));
    layout->addWidget(pnlMsg);
    m_pnlDescricaoGrupo = paineis::CriaPainelDeDescricao(5, this);
    m_pnlDescricaoGrupo->setObjectName(QStringLiteral("pnlDescricaoGrupo"));
    m_pnlDescricaoGrupo->setText(NenhumUsuario());
    layout->addWidget(m_pnlDescricaoGrupo);

    auto *botoes = new QHBoxLayout;
    const auto botao = [&](const char *nome, const QString &dica, QStyle::StandardPixmap figura,
                           void (frmVisualizaUsuarios::*acao)()) {
        QToolButton *b = CriaBotaoFigura(QString::fromLatin1(nome), dica, figura, this);
        connect(b, &QToolButton::clicked, this, acao);
        botoes->addWidget(b);
    };
    botao("cmdCadastrarGrupo", QStringLiteral("Cadastra um novo usuário"),
        QStyle::SP_FileDialogNewFolder, &frmVisualizaUsuarios::cmdCadastrarGrupo_Click);
    botao("cmdAlterarGrupo",
        QStringLiteral("Altera as informações sobre este determinado usuário ..."),
        QStyle::SP_FileDialogDetailedView, &frmVisualizaUsuarios::cmdAlterarGrupo_Click);
    botao("cmdExcluirGrupo", QStringLiteral("Remove usuário do cadastro ..."), QStyle::SP_TrashIcon,
        &frmVisualizaUsuarios::cmdExcluirGrupo_Click);
    auto *cmdHistorico = new QPushButton(QStringLiteral("E&xibir Histórico"), this);
    cmdHistorico->setObjectName(QStringLiteral("cmdHistorico"));
    cmdHistorico->setToolTip(
        QStringLiteral("Exibe histórico com as mensagens enviadas a este determinado usuário ..."));
    cmdHistorico->setAutoDefault(false);
    connect(cmdHistorico, &QPushButton::clicked, this, &frmVisualizaUsuarios::cmdHistorico_Click);
    botoes->addWidget(cmdHistorico);
    botoes->addStretch();
    botao("cmdRetornar", QStringLiteral("Clique aqui para retornar ..."), QStyle::SP_ArrowBack,
        &frmVisualizaUsuarios::cmdRetornar_Click);
    layout->addLayout(botoes);
    layout->addWidget(creditos::criaDica(this));

    Form_Load();
}

void frmVisualizaUsuarios::Form_Load()
{
    if (AtualizaListaDeUsuarios())
        ExibeInfoUsuario();
}

bool frmVisualizaUsuarios::AtualizaListaDeUsuarios()
{
    const QSignalBlocker bloqueio(m_cmbUsuario);
    m_idsUsuarios = {0};
    m_cmbUsuario->clear();
    std::optional<QList<listas::Item>> usuarios;
    {
        CursorOcupado ocupado;
        usuarios = listas::Usuarios(m_diretorio);
    }
    if (!usuarios) {
        m_ambiente.MostraFalha(m_diretorio);
        return false;
    }
    lista_longa::Acrescenta(*m_cmbUsuario, *usuarios);
    for (const listas::Item &usuario : *usuarios)
        m_idsUsuarios.append(usuario.id);
    if (usuarios->isEmpty())
        return false;
    m_cmbUsuario->setCurrentIndex(0);
    return true;
}

int frmVisualizaUsuarios::idSelecionado() const
{
    const int slot = m_cmbUsuario->currentIndex() + 1;
    return slot < m_idsUsuarios.size() ? m_idsUsuarios.at(slot) : 0;
}

void frmVisualizaUsuarios::ExibeInfoUsuario()
{
    if (m_cmbUsuario->currentIndex() < 0)
        return;
    const int id = idSelecionado();
    std::optional<Instantaneo> usuario;
    std::optional<Instantaneo> grupos;
    {
        CursorOcupado ocupado;
        usuario = m_diretorio.UsuarioPorId(id);
        if (usuario)
            grupos = m_diretorio.GruposDistintosDoUsuario(id);
    }
    if (!usuario || !grupos) {
        m_ambiente.MostraFalha(m_diretorio);
        return;
    }
    // Another operator removed him since the list was read: said as alter and delete say it.
    if (usuario->NoFim()) {
        m_pnlDescricaoGrupo->setText(ErroBanco::UsuarioRemovido());
        return;
    }
    m_pnlDescricaoGrupo->setText(
        cadastro::DetalhesDoUsuario(usuario->Campo(QStringLiteral("ID_Pager")).toString(),
            usuario->Campo(QStringLiteral("Data_Cadastro")).toString(), grupos->NumeroDeRegistros(),
            usuario->Campo(QStringLiteral("Descricao")).toString()));
}

bool frmVisualizaUsuarios::SemUsuarios()
{
    if (m_cmbUsuario->count() > 0)
        return false;
    m_ambiente.caixa.mostra(
        QStringLiteral("Erro:"), NenhumUsuario(), CaixaMensagem::Icone::Informacao);
    return true;
}

void frmVisualizaUsuarios::Reexibe()
{
    if (AtualizaListaDeUsuarios())
        ExibeInfoUsuario();
    else
        m_pnlDescricaoGrupo->setText(NenhumUsuario());
}

void frmVisualizaUsuarios::cmdCadastrarGrupo_Click()
{
    m_ambiente.Status(QStringLiteral(" Inserindo um novo usuário no cadastro ..."));
    {
        frmCadastraUsuarios dialogo(m_ambiente.caixa, this);
        m_ambiente.Executa(dialogo);
    }
    m_ambiente.Status(programa::Pronto());
    Reexibe();
}

void frmVisualizaUsuarios::cmdAlterarGrupo_Click()
{
    if (SemUsuarios())
        return;
    {
        frmCadastraUsuarios dialogo(m_ambiente.caixa, this);
        if (!dialogo.CarregaDoDiretorio(idSelecionado())) {
            // A user another operator removed is offered no more.
            Reexibe();
            return;
        }
        m_ambiente.Status(QStringLiteral(" Alterando informações sobre usuário ..."));
        m_ambiente.Executa(dialogo);
    }
    m_ambiente.Status(programa::Pronto());
    Reexibe();
}

void frmVisualizaUsuarios::cmdExcluirGrupo_Click()
{
    if (SemUsuarios())
        return;
    if (m_ambiente.caixa.pergunta(QStringLiteral("Atenção:"),
            QStringLiteral("Você tem certeza que deseja excluir este usuário do cadastro?"))
        != CaixaMensagem::Resposta::Sim)
        return;
    bool excluido = false;
    {
        CursorOcupado ocupado;
        excluido = m_diretorio.ExcluiUsuario(idSelecionado());
    }
    if (!excluido)
        m_ambiente.MostraFalha(m_diretorio);
    Reexibe();
}

void frmVisualizaUsuarios::cmdHistorico_Click()
{
    if (m_cmbUsuario->currentIndex() < 0 || !m_dep.ExibeHistorico)
        return;
    m_dep.ExibeHistorico(QString::number(idSelecionado()));
}

void frmVisualizaUsuarios::cmdRetornar_Click()
{
    accept();
}
