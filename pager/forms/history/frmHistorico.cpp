// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmHistorico.h"

#include "CaixaMensagem.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/ModeloHistorico.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

int frmHistorico::LarguraDaColuna(int coluna) const
{
    // The widths were drawn for a smaller type face than today's: a date, a time or a
    // header that would no longer fit widens its column instead of being cut short.
    static const char *const kMaisLargo[ModeloHistorico::NumeroDeColunas]
        = {"00/00/0000", "00:00", "", "", ""};
    const QFontMetrics medida = grdGride_->fontMetrics();
    const int folga = 2 * (grdGride_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4);
    const QString cabecalho = grdGride_->model()->headerData(coluna, Qt::Horizontal).toString();
    const int texto = std::max(medida.horizontalAdvance(QString::fromLatin1(kMaisLargo[coluna])),
        grdGride_->horizontalHeader()->fontMetrics().horizontalAdvance(cabecalho));
    return std::max(ModeloHistorico::LarguraTwips(coluna) * logicalDpiX() / 1440, texto + folga);
}

int frmHistorico::LarguraIdeal() const
{
    int largura
        = 2 * grdGride_->frameWidth() + grdGride_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int coluna = 0; coluna < ModeloHistorico::NumeroDeColunas; ++coluna)
        largura += grdGride_->columnWidth(coluna);
    return largura;
}

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
    // Names are stored padded with blanks: a cell is cut at its border, never marked with an
    // ellipsis.
    grdGride_->setTextElideMode(Qt::ElideNone);
    grdGride_->verticalHeader()->hide();
    // Every row one line high, never measured: a long log opens at once.
    grdGride_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdGride_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int coluna = 0; coluna < modelo->columnCount(); ++coluna)
        grdGride_->setColumnWidth(coluna, LarguraDaColuna(coluna));
    layout->addWidget(grdGride_);
    connect(grdGride_, &QTableView::doubleClicked, this, &frmHistorico::grdGride_DblClick);
    // The model reads its pages while the grid paints: a message box must wait until the
    // paint is over.
    connect(
        modelo, &ModeloHistorico::LeituraFalhou, this,
        [this](const QString &erro) {
            caixa_.mostra(QStringLiteral("Erro:"), erro, CaixaMensagem::Icone::Informacao);
        },
        Qt::QueuedConnection);
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
