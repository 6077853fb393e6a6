// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmCadastraGrupos.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kNovo = QStringLiteral("-");

} // namespace

frmCadastraGrupos::frmCadastraGrupos(AmbienteJanela ambiente, QWidget *pai)
    : QDialog(pai)
    , ambiente_(std::move(ambiente))
{
    setObjectName(QStringLiteral("frmCadastraGrupos"));
    setWindowTitle(QStringLiteral("Cadastro dos Grupos"));

    auto *layout = new QVBoxLayout(this);
    auto *topo = new QHBoxLayout;
    QLabel *titulo = creditos::criaBanner(QStringLiteral("Cadastro dos Grupos"), this);
    titulo->setObjectName(QStringLiteral("pnlTituloFundo"));
    topo->addWidget(titulo, 1);
    // The record marker beside the title, as in the user dialog: it needs no caption.
    pnlId_ = new QLabel(kNovo, this);
    pnlId_->setObjectName(QStringLiteral("pnlId"));
    pnlId_->setFrameShape(QFrame::Panel);
    pnlId_->setFrameShadow(QFrame::Sunken);
    pnlId_->setAlignment(Qt::AlignCenter);
    pnlId_->setMinimumWidth(60);
    topo->addWidget(pnlId_);
    layout->addLayout(topo);

    auto *campos = new QFormLayout;
    txtNomeGrupo_ = new QLineEdit(this);
    txtNomeGrupo_->setObjectName(QStringLiteral("txtNomeGrupo"));
    txtNomeGrupo_->setMaxLength(15);
    AceitaSoCp1252(txtNomeGrupo_);
    campos->addRow(QStringLiteral("Nome do Grupo:"), txtNomeGrupo_);
    txtDescricaoGrupo_ = new CaixaDeTextoMultilinha(50, this);
    txtDescricaoGrupo_->setObjectName(QStringLiteral("txtDescricaoGrupo"));
    txtDescricaoGrupo_->setFixedHeight(fontMetrics().lineSpacing() * 4);
    campos->addRow(QStringLiteral("Descrição do Grupo:"), txtDescricaoGrupo_);
    layout->addLayout(campos);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    QToolButton *gravar = CriaBotaoFigura(QStringLiteral("cmdCadastrarGrupo"),
        QStringLiteral("Grava os Dados e Retorna"), QStyle::SP_DialogSaveButton, this);
    QToolButton *retornar = CriaBotaoFigura(QStringLiteral("cmdRetornar"),
        QStringLiteral("Retorna Sem Gravar"), QStyle::SP_DialogCancelButton, this);
    botoes->addWidget(gravar);
    botoes->addWidget(retornar);
    layout->addLayout(botoes);
    connect(gravar, &QToolButton::clicked, this, &frmCadastraGrupos::cmdCadastrarGrupo_Click);
    connect(retornar, &QToolButton::clicked, this, &frmCadastraGrupos::cmdRetornar_Click);
}

void frmCadastraGrupos::CarregaGrupo(int idGrupo, const QString &nome, const QString &descricao)
{
    pnlId_->setText(QString::number(idGrupo));
    txtNomeGrupo_->setText(nome);
    txtDescricaoGrupo_->setPlainText(descricao);
}

bool frmCadastraGrupos::NovoGrupo() const
{
    return pnlId_->text() == kNovo;
}

void frmCadastraGrupos::cmdCadastrarGrupo_Click()
{
    const QString nome = txtNomeGrupo_->text();
    // A name of blanks only names nothing a person could pick from a list.
    if (nome.trimmed().isEmpty()) {
        ambiente_.caixa.mostra(QStringLiteral("Advertência:"),
            QStringLiteral("Desculpe, mas para criar ou atualizar um grupo é indispensável que "
                           "este possua um nome."),
            CaixaMensagem::Icone::Informacao);
        return;
    }
    if (txtDescricaoGrupo_->toPlainText().isEmpty())
        txtDescricaoGrupo_->setPlainText(QStringLiteral("Não há descrição para este grupo."));
    if (!Grava(nome, txtDescricaoGrupo_->toPlainText()))
        return;
    accept();
}

bool frmCadastraGrupos::Grava(const QString &nome, const QString &descricao)
{
    bool gravado = false;
    {
        CursorOcupado ocupado;
        // A rename is not checked against the other groups: two groups may then share a
        // name. A new name is, case ignored, in the same transaction as its insert.
        gravado = NovoGrupo() ? diretorio_.InsereGrupo(descricao, nome).has_value()
                              : diretorio_.AlteraGrupo(pnlId_->text().toInt(), descricao, nome);
    }
    if (gravado)
        return true;
    ambiente_.MostraFalha(diretorio_);
    // The group being altered is gone: nothing typed here can be stored any more.
    if (diretorio_.Motivo() == Diretorio::Recusa::Removido)
        QDialog::reject();
    return false;
}

void frmCadastraGrupos::cmdRetornar_Click()
{
    if (NovoGrupo() && !txtNomeGrupo_->text().isEmpty()) {
        const auto resposta = ambiente_.caixa.pergunta(QStringLiteral("Atenção:"),
            QStringLiteral("Você realmente deseja cancelar este procedimento? Os dados não serão "
                           "salvos."));
        if (resposta != CaixaMensagem::Resposta::Sim)
            return;
    }
    QDialog::reject();
}

void frmCadastraGrupos::reject()
{
    cmdRetornar_Click();
}
