// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class AcompanhaFila;
class CaixaMensagem;
class ModeloDaFila;
class QPushButton;
class QTableView;

// The queue window: every page of the paging service's queue, the newest first, in the
// list `lstFila`, read again whenever the queue changes (AcompanhaFila) and after each
// action, keeping the operator's selection. "Tentar Agora" makes the selected pages that
// wait due at once; "Cancelar", once confirmed, takes them out of the queue. A page another
// operator or the service changed meanwhile is left as it is and the operator told why.
class frmFila : public QWidget
{
    Q_OBJECT
public:
    explicit frmFila(CaixaMensagem &caixa, QWidget *pai = nullptr);
    ~frmFila() override;

    // The first read of the queue; false with Erro() when it failed.
    bool Carrega();
    QString Erro() const;

    QTableView *lstFila() const { return lstFila_; }
    // The width that shows every column whole.
    int LarguraIdeal() const;

public Q_SLOTS:
    void cmdTentarAgora_Click();
    void cmdCancelar_Click();
    // Reads the queue again, keeping the selection and the scroll position.
    void Atualiza();

private:
    // Identifiers of the selected rows; none selected is told to the operator.
    QList<qint64> Selecionadas();

    CaixaMensagem &caixa_;
    ModeloDaFila *modelo_ = nullptr;
    QTableView *lstFila_ = nullptr;
    QPushButton *cmdTentarAgora_ = nullptr;
    QPushButton *cmdCancelar_ = nullptr;
    AcompanhaFila *acompanha_ = nullptr;
    bool leituraFalhou_ = false; // a failed automatic read is told once
};
