// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmUsuariosGrupo.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "ListaDeGrupos.h"
#include "core/directory/ListasDoDiretorio.h"
#include "core/directory/OrdemAlfabetica.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"
#include "forms/widgets/ListaLonga.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

frmUsuariosGrupo::frmUsuariosGrupo(AmbienteJanela ambiente, QWidget *pai)
    : QDialog(pai)
    , ambiente_(std::move(ambiente))
{
    setObjectName(QStringLiteral("frmUsuariosGrupo"));
    setWindowTitle(QStringLiteral("Grupos de Usuários"));

    auto *layout = new QVBoxLayout(this);
    QLabel *titulo = creditos::criaBanner(QStringLiteral("Grupos de Usuários"), this);
    titulo->setObjectName(QStringLiteral("pnlTituloFundo"));
    layout->addWidget(titulo);
    cmbGrupos_ = new QComboBox(this);
    cmbGrupos_->setObjectName(QStringLiteral("cmbGrupos"));
    lista_longa::Prepara(*cmbGrupos_, 15);
    layout->addWidget(cmbGrupos_);

    auto *grade = new QGridLayout;
    grade->addWidget(new QLabel(QStringLiteral("Usuários do Grupo:"), this), 0, 0);
    lstUsuarios_ = new QListWidget(this);
    lstUsuarios_->setObjectName(QStringLiteral("lstUsuarios"));
    lstUsuarios_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->addWidget(lstUsuarios_, 1, 0, 3, 1);
    grade->addWidget(new QLabel(QStringLiteral("Usuários Cadastrados:"), this), 0, 1);
    cmbUsuarios_ = new QComboBox(this);
    cmbUsuarios_->setObjectName(QStringLiteral("cmbUsuarios"));
    lista_longa::Prepara(*cmbUsuarios_, 30);
    grade->addWidget(cmbUsuarios_, 1, 1);
    auto *adicionar = new QPushButton(QStringLiteral("A&dicionar"), this);
    adicionar->setObjectName(QStringLiteral("cmdAdicionar"));
    adicionar->setAutoDefault(false);
    grade->addWidget(adicionar, 2, 1);
    auto *remover = new QPushButton(QStringLiteral("&Remover"), this);
    remover->setObjectName(QStringLiteral("cmdRemover"));
    remover->setAutoDefault(false);
    grade->addWidget(remover, 3, 1, Qt::AlignTop);
    layout->addLayout(grade);

    auto *rodape = new QHBoxLayout;
    rodape->addStretch();
    QToolButton *retornar = CriaBotaoFigura(QStringLiteral("cmdRetornar"),
        QStringLiteral("Clique aqui para retornar ..."), QStyle::SP_DialogCloseButton, this);
    rodape->addWidget(retornar);
    layout->addLayout(rodape);

    connect(adicionar, &QPushButton::clicked, this, &frmUsuariosGrupo::cmdAdicionar_Click);
    connect(remover, &QPushButton::clicked, this, &frmUsuariosGrupo::cmdRemover_Click);
    connect(retornar, &QToolButton::clicked, this, &frmUsuariosGrupo::cmdRetornar_Click);
    // The operator's choice only: filling the list holds this signal back.
    connect(cmbGrupos_, &QComboBox::currentIndexChanged, this,
        &frmUsuariosGrupo::AtualizaUsuariosDoGrupo);
    Form_Load();
}

void frmUsuariosGrupo::Form_Load()
{
    if (AtualizaGrupos())
        AtualizaUsuariosDoGrupo();
    PreencheUsuarios();
}

bool frmUsuariosGrupo::AtualizaGrupos()
{
    return ::AtualizaGrupos(*cmbGrupos_, diretorio_, ambiente_);
}

std::optional<int> frmUsuariosGrupo::GrupoEscolhido()
{
    if (cmbGrupos_->count() == 0 || cmbGrupos_->currentIndex() < 0)
        return std::nullopt;
    std::optional<Instantaneo> grupo;
    {
        CursorOcupado ocupado;
        grupo = diretorio_.IdGrupoPorNome(cmbGrupos_->currentText());
    }
    if (!grupo) {
        ambiente_.MostraFalha(diretorio_);
        return std::nullopt;
    }
    if (grupo->NoFim()) {
        ambiente_.caixa.mostra(
            QStringLiteral("Erro:"), ErroBanco::GrupoRemovido(), CaixaMensagem::Icone::Informacao);
        // Another operator removed it: it is offered no more.
        Form_Load();
        return std::nullopt;
    }
    return grupo->Campo(QStringLiteral("ID_Grupo")).toInt();
}

void frmUsuariosGrupo::AtualizaUsuariosDoGrupo()
{
    if (cmbGrupos_->count() == 0)
        return;
    // A group another operator deleted meanwhile shows no members.
    lstUsuarios_->clear();
    const std::optional<int> idGrupo = GrupoEscolhido();
    if (!idGrupo)
        return;
    QStringList nomes;
    bool falhou = false;
    {
        CursorOcupado ocupado;
        // In the engine's order, as the list of users beside it; a membership whose user
        // is gone names nobody.
        std::optional<Instantaneo> membros = diretorio_.NomesDosMembros(*idGrupo);
        falhou = !membros;
        for (; membros && !membros->NoFim(); membros->Proximo())
            nomes.append(membros->Campo(QStringLiteral("Nome_Usuario")).toString());
    }
    if (falhou) {
        ambiente_.MostraFalha(diretorio_);
        return;
    }
    if (nomes.isEmpty()) {
        ambiente_.caixa.mostra(QStringLiteral("Advertência:"),
            QStringLiteral("Não há usuários cadastrados neste grupo."),
            CaixaMensagem::Icone::Informacao);
        return;
    }
    lstUsuarios_->addItems(nomes);
}

void frmUsuariosGrupo::PreencheUsuarios()
{
    const QSignalBlocker bloqueio(cmbUsuarios_);
    cmbUsuarios_->clear();
    std::optional<QList<listas::Item>> usuarios;
    {
        CursorOcupado ocupado;
        usuarios = listas::Usuarios(diretorio_);
    }
    if (!usuarios) {
        ambiente_.MostraFalha(diretorio_);
        return;
    }
    lista_longa::Acrescenta(*cmbUsuarios_, *usuarios, true);
    if (cmbUsuarios_->count() > 0)
        cmbUsuarios_->setCurrentIndex(0);
}

void frmUsuariosGrupo::cmdAdicionar_Click()
{
    if (cmbUsuarios_->count() == 0 || cmbUsuarios_->currentIndex() < 0) {
        ambiente_.Bipe();
        return;
    }
    const std::optional<int> idGrupo = GrupoEscolhido();
    if (!idGrupo)
        return;
    const int idUsuario = cmbUsuarios_->currentData().toInt();
    bool gravou = false;
    {
        CursorOcupado ocupado;
        // A user already in the group stays as he is, without a word.
        gravou = diretorio_.InsereUsuarioNoGrupo(idUsuario, *idGrupo);
    }
    if (!gravou) {
        ambiente_.MostraFalha(diretorio_);
        Reabre();
        return;
    }
    AtualizaUsuariosDoGrupo();
}

void frmUsuariosGrupo::cmdRemover_Click()
{
    // Only a highlighted name counts: the focus frame alone (after Tab) chooses nobody.
    const QList<QListWidgetItem *> escolhidos = lstUsuarios_->selectedItems();
    if (lstUsuarios_->count() == 0 || escolhidos.isEmpty())
        return;
    const QListWidgetItem *membro = escolhidos.first();
    const std::optional<int> idGrupo = GrupoEscolhido();
    if (!idGrupo)
        return;
    bool retirou = false;
    {
        CursorOcupado ocupado;
        retirou = diretorio_.RetiraUsuariosDoGrupoPorNome(membro->text(), *idGrupo);
    }
    if (!retirou) {
        ambiente_.MostraFalha(diretorio_);
        Reabre();
        return;
    }
    AtualizaUsuariosDoGrupo();
}

void frmUsuariosGrupo::Reabre()
{
    if (diretorio_.Motivo() == Diretorio::Recusa::Removido)
        Form_Load();
}

void frmUsuariosGrupo::cmdRetornar_Click()
{
    accept();
}
