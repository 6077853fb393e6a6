// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class CaixaMensagem;
class QLineEdit;
class QPushButton;

// The modal dialog in which the user types the name and the birth date to analyse. It checks
// the date first and the name second, and keeps what was typed when it refuses. It computes
// nothing: the caller reads nome() and dataNascimento() after exec() returned Accepted.
class frmEntraDados : public QDialog
{
    Q_OBJECT
public:
    static constexpr int TamanhoMaximoNome = 200;

    explicit frmEntraDados(CaixaMensagem &caixa, QWidget *pai = nullptr);

    // The name as typed (not trimmed) and the date box's text "dd/mm/yyyy".
    QString nome() const;
    QString dataNascimento() const;

public slots:
    void cmdOkay_Click();
    void cmdCancelar_Click();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool txtNome_KeyPress(QKeyEvent *tecla);

    CaixaMensagem &m_caixa;
    QLineEdit *m_txtNome;
    QLineEdit *m_mskDataNasc;
    QPushButton *m_cmdOkay;
    QPushButton *m_cmdCancelar;
};
