// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"

#include <QDialog>

class CaixaDeTextoMultilinha;
class CaixaMensagem;
class QLabel;
class QLineEdit;
class QListWidget;

// The user dialog ("Cadastro de Usuários"): creates a user or alters one, and marks the
// groups he belongs to. It starts blank ("-" in pnlId, a new user) unless the caller loads
// a user first. Save checks and stores through GravaUsuario and closes when stored, or
// when the user being altered is no longer there; any other refusal leaves everything
// typed and marked in place. It does not refill any list of
// its callers.
class frmCadastraUsuarios : public QDialog
{
    Q_OBJECT
public:
    explicit frmCadastraUsuarios(CaixaMensagem &caixa, QWidget *pai = nullptr);

    // Loads a stored user for alteration, as the callers read him.
    void CarregaUsuario(
        int idUsuario, const QString &idPager, const QString &descricao, const QString &nome);
    // Reads the user (for alteration) and loads him; false, with the reason shown, when he
    // could not be read.
    bool CarregaDoDiretorio(int idUsuario);

    // The user's identifier, 0 while pnlId shows "-".
    int idUsuario() const;

    // Fills lstGrupos with every group ("00007 - Vendas") and marks those of the user
    // (0 marks none); the first entry becomes the current one. When the groups or the
    // user's memberships cannot be read, a save leaves his memberships as they are.
    void ExibeGrupos(int idUsuario);

public Q_SLOTS:
    void cmdCadastrarGrupo_Click();
    void cmdRetornar_Click();

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void Form_Activate();

    CaixaMensagem &m_caixa;
    Diretorio m_diretorio;
    QLabel *m_pnlId = nullptr;
    QLineEdit *m_txtNomeUsuario = nullptr;
    QLineEdit *m_txtPagerID = nullptr;
    CaixaDeTextoMultilinha *m_txtDescricao = nullptr;
    QListWidget *m_lstGrupos = nullptr;
    bool m_ativado = false;
    bool m_gruposListados = false;
};
