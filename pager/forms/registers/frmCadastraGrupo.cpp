// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmCadastraGrupo.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "ListaDeGrupos.h"
#include "core/directory/ErroBanco.h"
#include "core/settings/Programa.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"
#include "forms/widgets/ListaLonga.h"
#include "forms/widgets/Paineis.h"
#include "frmCadastraGrupos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

frmCadastraGrupo::frmCadastraGrupo(AmbienteJanela ambiente, QWidget *pai)
    : QDialog(pai)
    , ambiente_(std::move(ambiente))
{
    setObjectName(QStringLiteral("frmCadastraGrupo"));
    setWindowTitle(QStringLiteral("Grupos"));

    auto *layout = new QVBoxLayout(this);
    QLabel *titulo = creditos::criaBanner(QStringLiteral("Grupos"), this);
    titulo->setObjectName(QStringLiteral("pnlTituloFundo"));
    layout->addWidget(titulo);
    cmbGrupos_ = new QComboBox(this);
    cmbGrupos_->setObjectName(QStringLiteral("cmbGrupos"));
    lista_longa::Prepara(*cmbGrupos_, 15);
    layout->addWidget(cmbGrupos_);
    auto *rotulo = new QLabel(QStringLiteral("Descrição do Grupo:"), this);
    rotulo->setObjectName(QStringLiteral("pnlMsg"));
    layout->addWidget(rotulo);
    pnlDescricaoGrupo_ = paineis::CriaPainelDeDescricao(3, this);
    pnlDescricaoGrupo_->setObjectName(QStringLiteral("pnlDescricaoGrupo"));
    layout->addWidget(pnlDescricaoGrupo_);

    auto *botoes = new QHBoxLayout;
    const auto botao = [&](const char *nome, const QString &dica, QStyle::StandardPixmap icone,
                           void (frmCadastraGrupo::*slot)()) {
        QToolButton *b = CriaBotaoFigura(QString::fromLatin1(nome), dica, icone, this);
        connect(b, &QToolButton::clicked, this, slot);
        botoes->addWidget(b);
    };
    botao("cmdCadastrarGrupo", QStringLiteral("Cadastrar um grupo ..."),
        QStyle::SP_FileDialogNewFolder, &frmCadastraGrupo::cmdCadastrarGrupo_Click);
    botao("cmdAlterarGrupo",
        QStringLiteral("Clique aqui para alterar as informações sobre o grupo atual ..."),
        QStyle::SP_FileDialogDetailedView, &frmCadastraGrupo::cmdAlterarGrupo_Click);
    botao("cmdExcluirGrupo", QStringLiteral("Clique aqui para retirar este grupo do cadastro ..."),
        QStyle::SP_TrashIcon, &frmCadastraGrupo::cmdExcluirGrupo_Click);
    botoes->addStretch();
    botao("cmdRetornar", QStringLiteral("Clique aqui para retornar ..."),
        QStyle::SP_DialogCloseButton, &frmCadastraGrupo::cmdRetornar_Click);
    layout->addLayout(botoes);
    layout->addWidget(paineis::CriaDicaComSeta(creditos::LinhaDoFabricante(), this));

    // The operator's choice only: filling the list holds this signal back.
    connect(cmbGrupos_, &QComboBox::currentIndexChanged, this, &frmCadastraGrupo::AtualizaMsgGrupo);
    Form_Load();
}

void frmCadastraGrupo::Form_Load()
{
    if (AtualizaGrupos())
        AtualizaMsgGrupo();
    else
        pnlDescricaoGrupo_->setText(QStringLiteral("Não há nenhum grupo cadastrado."));
}

bool frmCadastraGrupo::AtualizaGrupos()
{
    return ::AtualizaGrupos(*cmbGrupos_, diretorio_, ambiente_);
}

void frmCadastraGrupo::AtualizaMsgGrupo()
{
    if (cmbGrupos_->currentIndex() < 0)
        return;
    std::optional<Instantaneo> grupo = LeGrupoEscolhido();
    if (!grupo)
        return;
    // Another operator removed it since the list was read: said as alter and delete say it.
    pnlDescricaoGrupo_->setText(grupo->NoFim()
            ? ErroBanco::GrupoRemovido()
            : grupo->Campo(QStringLiteral("Descricao_Grupo")).toString());
    grupo->Fecha();
}

std::optional<Instantaneo> frmCadastraGrupo::LeGrupoEscolhido()
{
    std::optional<Instantaneo> grupo;
    {
        CursorOcupado ocupado;
        grupo = diretorio_.GruposPorNome(cmbGrupos_->currentText());
    }
    if (!grupo)
        ambiente_.MostraFalha(diretorio_);
    return grupo;
}

bool frmCadastraGrupo::SemGrupos()
{
    if (cmbGrupos_->count() > 0)
        return false;
    ambiente_.caixa.mostra(QStringLiteral("Erro:"),
        QStringLiteral("Desculpe, mas você deve possuir pelo menos um grupo cadastrado para poder "
                       "excluí-lo."),
        CaixaMensagem::Icone::Informacao);
    return true;
}

void frmCadastraGrupo::AbreDialogo(frmCadastraGrupos &dialogo, const QString &status)
{
    // The hourglass stays on this window only: the dialog above it takes the input.
    setCursor(Qt::WaitCursor);
    ambiente_.Status(status);
    ambiente_.Executa(dialogo);
    ambiente_.Status(programa::Pronto());
    unsetCursor();
    Form_Load();
}

void frmCadastraGrupo::cmdCadastrarGrupo_Click()
{
    frmCadastraGrupos dialogo(ambiente_, this);
    AbreDialogo(dialogo, QStringLiteral(" Cadastrando um novo grupo de usuários..."));
}

void frmCadastraGrupo::cmdAlterarGrupo_Click()
{
    if (SemGrupos())
        return;
    std::optional<Instantaneo> grupo = LeGrupoEscolhido();
    if (!grupo)
        return;
    // Another operator may have deleted the group since the list was read.
    if (grupo->NoFim()) {
        ambiente_.caixa.mostra(
            QStringLiteral("Erro:"), ErroBanco::GrupoRemovido(), CaixaMensagem::Icone::Informacao);
        Form_Load();
        return;
    }
    frmCadastraGrupos dialogo(ambiente_, this);
    dialogo.CarregaGrupo(grupo->Campo(QStringLiteral("ID_Grupo")).toInt(),
        grupo->Campo(QStringLiteral("Nome_Grupo")).toString(),
        grupo->Campo(QStringLiteral("Descricao_Grupo")).toString());
    grupo->Fecha();
    AbreDialogo(dialogo, QStringLiteral(" Alterando informações sobre grupo de usuários..."));
}

void frmCadastraGrupo::cmdExcluirGrupo_Click()
{
    if (SemGrupos())
        return;
    const auto resposta = ambiente_.caixa.pergunta(QStringLiteral("Importante:"),
        QStringLiteral("Você está certo de que deseja excluir este grupo do cadastro?\r\n"
                       "A exclusão deste grupo irá excluir toda a referência dos usuários nele "
                       "contido."));
    if (resposta != CaixaMensagem::Resposta::Sim)
        return;
    ambiente_.Status(QStringLiteral(" Excluindo Grupo de Usuários..."));
    bool excluido = false;
    {
        CursorOcupado ocupado;
        excluido = diretorio_.ExcluiGrupo(cmbGrupos_->currentText());
    }
    if (!excluido)
        ambiente_.MostraFalha(diretorio_);
    ambiente_.Status(programa::Pronto());
    Form_Load();
}

void frmCadastraGrupo::cmdRetornar_Click()
{
    accept();
}
