#include "frmHistorico.h"

#include "CaixaMensagem.h"
#include "EstadoGlobal.h"
#include "ModeloHistorico.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

frmHistorico::frmHistorico(ModeloHistorico *modelo, CaixaMensagem &caixa, QWidget *pai)
    : QWidget(pai)
    , caixa_(caixa)
{
    setObjectName(QStringLiteral("frmHistorico"));
    modelo->setParent(this);

    // The layout keeps the grid at the window's inner size on every resize.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grdGride_ = new QTableView(this);
    grdGride_->setObjectName(QStringLiteral("grdGride"));
    grdGride_->setModel(modelo);
    grdGride_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdGride_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdGride_->setWordWrap(false);
    grdGride_->verticalHeader()->hide();
    // Every row one line high, never measured: a long log opens at once.
    grdGride_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdGride_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int coluna = 0; coluna < modelo->columnCount(); ++coluna) {
        grdGride_->setColumnWidth(
            coluna, ModeloHistorico::LarguraTwips(coluna) * logicalDpiX() / 1440);
    }
    layout->addWidget(grdGride_);
    connect(grdGride_, &QTableView::doubleClicked, this, &frmHistorico::grdGride_DblClick);
}

void frmHistorico::grdGride_DblClick(const QModelIndex &celula)
{
    if (!celula.isValid())
        return;
    const QString texto = celula.data().toString();
    global::MensagemAnterior() = texto;
    caixa_.mostra(
        QStringLiteral("Conteúdo da Célula Selecionada"), texto, CaixaMensagem::Icone::Informacao);
}
