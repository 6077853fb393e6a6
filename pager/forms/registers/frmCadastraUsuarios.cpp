// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmCadastraUsuarios.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "core/directory/GravacaoDeUsuario.h"
#include "core/directory/ListasDoDiretorio.h"
#include "core/directory/TextosDoCadastro.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kNaoGravado = QStringLiteral("-");
// Whether an entry of the groups list was marked when it was read (what a save compares).
constexpr int kMarcadoAoLer = Qt::UserRole + 1;
} // namespace

frmCadastraUsuarios::frmCadastraUsuarios(CaixaMensagem &caixa, QWidget *pai)
    : QDialog(pai)
    , m_caixa(caixa)
{
    setObjectName(QStringLiteral("frmCadastraUsuarios"));
    const QString titulo = QStringLiteral("Cadastro de Usuários");
    setWindowTitle(titulo);

    auto *layout = new QVBoxLayout(this);
    auto *topo = new QHBoxLayout;
    QLabel *pnlTituloFundo = creditos::criaBanner(titulo, this);
    pnlTituloFundo->setObjectName(QStringLiteral("pnlTituloFundo"));
    topo->addWidget(pnlTituloFundo, 1);
    m_pnlId = new QLabel(kNaoGravado, this);
    m_pnlId->setObjectName(QStringLiteral("pnlId"));
    m_pnlId->setFrameShape(QFrame::Panel);
    m_pnlId->setFrameShadow(QFrame::Sunken);
    m_pnlId->setAlignment(Qt::AlignCenter);
    m_pnlId->setMinimumWidth(60);
    topo->addWidget(m_pnlId);
    layout->addLayout(topo);

    auto *campos = new QFormLayout;
    m_txtNomeUsuario = new QLineEdit(this);
    m_txtNomeUsuario->setObjectName(QStringLiteral("txtNomeUsuario"));
    m_txtNomeUsuario->setMaxLength(50);
    AceitaSoCp1252(m_txtNomeUsuario);
    campos->addRow(QStringLiteral("Nome:"), m_txtNomeUsuario);
    m_txtPagerID = new QLineEdit(this);
    m_txtPagerID->setObjectName(QStringLiteral("txtPagerID"));
    m_txtPagerID->setMaxLength(10);
    AceitaSoCp1252(m_txtPagerID);
    campos->addRow(QStringLiteral("Código do Pager:"), m_txtPagerID);
    m_txtDescricao = new CaixaDeTextoMultilinha(80, this);
    m_txtDescricao->setObjectName(QStringLiteral("txtDescricao"));
    m_txtDescricao->setFixedHeight(m_txtDescricao->fontMetrics().lineSpacing() * 4);
    campos->addRow(QStringLiteral("Observações:"), m_txtDescricao);
    m_lstGrupos = new QListWidget(this);
    m_lstGrupos->setObjectName(QStringLiteral("lstGrupos"));
    // Thousands of groups: rows of one height are laid out without measuring each.
    m_lstGrupos->setUniformItemSizes(true);
    campos->addRow(QStringLiteral("Grupos a que Pertence:"), m_lstGrupos);
    layout->addLayout(campos);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    QToolButton *cmdCadastrarGrupo = CriaBotaoFigura(QStringLiteral("cmdCadastrarGrupo"),
        QStringLiteral("Grava os Dados e Retorna"), QStyle::SP_DialogSaveButton, this);
    connect(cmdCadastrarGrupo, &QToolButton::clicked, this,
        &frmCadastraUsuarios::cmdCadastrarGrupo_Click);
    botoes->addWidget(cmdCadastrarGrupo);
    QToolButton *cmdRetornar = CriaBotaoFigura(QStringLiteral("cmdRetornar"),
        QStringLiteral("Retorna Sem Gravar"), QStyle::SP_DialogCancelButton, this);
    connect(cmdRetornar, &QToolButton::clicked, this, &frmCadastraUsuarios::cmdRetornar_Click);
    botoes->addWidget(cmdRetornar);
    layout->addLayout(botoes);
}

void frmCadastraUsuarios::CarregaUsuario(
    int idUsuario, const QString &idPager, const QString &descricao, const QString &nome)
{
    m_pnlId->setText(QString::number(idUsuario));
    m_txtPagerID->setText(idPager);
    m_txtDescricao->setPlainText(descricao);
    m_txtNomeUsuario->setText(nome);
}

bool frmCadastraUsuarios::CarregaDoDiretorio(int idUsuario)
{
    std::optional<Instantaneo> usuario;
    {
        CursorOcupado ocupado;
        usuario = m_diretorio.UsuarioPorId(idUsuario);
    }
    if (!usuario) {
        AvisaFalhaDoDiretorio(m_caixa, m_diretorio);
        return false;
    }
    if (usuario->NoFim()) {
        m_caixa.mostra(QStringLiteral("Erro:"), ErroBanco::UsuarioRemovido(),
            CaixaMensagem::Icone::Informacao);
        return false;
    }
    CarregaUsuario(usuario->Campo(QStringLiteral("ID_Usuario")).toInt(),
        usuario->Campo(QStringLiteral("ID_Pager")).toString(),
        usuario->Campo(QStringLiteral("Descricao")).toString(),
        usuario->Campo(QStringLiteral("Nome_Usuario")).toString());
    return true;
}

int frmCadastraUsuarios::idUsuario() const
{
    return m_pnlId->text() == kNaoGravado ? 0 : m_pnlId->text().toInt();
}

void frmCadastraUsuarios::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    // Once per opening: re-reading at every activation would drop the marks the operator
    // made whenever a message box took the focus for a moment.
    if (!m_ativado) {
        m_ativado = true;
        Form_Activate();
    }
}

void frmCadastraUsuarios::Form_Activate()
{
    ExibeGrupos(idUsuario());
}

void frmCadastraUsuarios::ExibeGrupos(int idUsuario)
{
    m_lstGrupos->clear();
    m_gruposListados = false;
    std::optional<QList<listas::Item>> grupos;
    std::optional<QSet<int>> marcados = QSet<int>();
    {
        CursorOcupado ocupado;
        grupos = listas::Grupos(m_diretorio);
        // One read of the user's memberships serves every entry of the list.
        if (grupos && idUsuario != 0)
            marcados = listas::GruposDoUsuario(m_diretorio, idUsuario);
    }
    if (!grupos || !marcados) {
        AvisaFalhaDoDiretorio(m_caixa, m_diretorio);
        return;
    }
    for (const listas::Item &grupo : *grupos) {
        auto *item = new QListWidgetItem(cadastro::EntradaDeGrupo(grupo.id, grupo.nome));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(marcados->contains(grupo.id) ? Qt::Checked : Qt::Unchecked);
        item->setData(kMarcadoAoLer, marcados->contains(grupo.id));
        m_lstGrupos->addItem(item);
    }
    if (m_lstGrupos->count() > 0)
        m_lstGrupos->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_gruposListados = true;
}

void frmCadastraUsuarios::cmdCadastrarGrupo_Click()
{
    FichaDeUsuario ficha;
    ficha.idUsuario = idUsuario();
    ficha.nome = m_txtNomeUsuario->text();
    ficha.idPager = m_txtPagerID->text();
    ficha.descricao = m_txtDescricao->toPlainText();
    // An empty list read from a failing file is not "member of no group".
    if (m_gruposListados) {
        ficha.idsGrupos.emplace();
        for (int i = 0; i < m_lstGrupos->count(); ++i) {
            const QListWidgetItem *item = m_lstGrupos->item(i);
            const int id = cadastro::IdDaEntradaDeGrupo(item->text());
            if (item->checkState() == Qt::Checked)
                ficha.idsGrupos->append(id);
            if (item->data(kMarcadoAoLer).toBool())
                ficha.idsGruposLidos.append(id);
        }
    }

    const bool gravado = GravaUsuario(m_diretorio, m_caixa, ficha);
    if (ficha.descricao != m_txtDescricao->toPlainText())
        m_txtDescricao->setPlainText(ficha.descricao);
    if (!gravado) {
        // Nothing typed here can be stored any more: back to the refilled list.
        if (m_diretorio.Motivo() == Diretorio::Recusa::Removido)
            reject();
        return;
    }
    m_pnlId->setText(QString::number(ficha.idUsuario));
    accept();
}

void frmCadastraUsuarios::cmdRetornar_Click()
{
    reject();
}
