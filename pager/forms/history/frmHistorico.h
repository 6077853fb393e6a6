// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CaixaMensagem;
class ModeloHistorico;
class QModelIndex;
class QTableView;

// A history window: the grid `grdGride` over a model of the log rows, filling the whole
// window at any size. A double-click on a cell makes its text the one "=ANTERIOR"
// recalls and shows it; a page of rows the model fails to read is reported once. The
// window takes the model it is given and never reads the database itself.
class frmHistorico : public QWidget
{
    Q_OBJECT
public:
    frmHistorico(ModeloHistorico *modelo, CaixaMensagem &caixa, QWidget *pai = nullptr);

    QTableView *grdGride() const { return grdGride_; }
    // The width that shows every column whole.
    int LarguraIdeal() const;

public Q_SLOTS:
    void grdGride_DblClick(const QModelIndex &celula);

private:
    int LarguraDaColuna(int coluna) const;

    QTableView *grdGride_ = nullptr;
    CaixaMensagem &caixa_;
};
