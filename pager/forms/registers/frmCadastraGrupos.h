// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class CaixaDeTextoMultilinha;

// The group dialog ("Cadastro dos Grupos"): creates a group, or alters the one a caller
// loaded with CarregaGrupo. It refuses a new group without a name or with a name that
// already exists, and asks before a named new group is left unsaved. It does not
// refresh any list: its caller does that when it closes.
class frmCadastraGrupos : public QDialog
{
    Q_OBJECT
public:
    explicit frmCadastraGrupos(AmbienteJanela ambiente, QWidget *pai = nullptr);

    // Loads a stored group for alteration (pnlId shows its identifier).
    void CarregaGrupo(int idGrupo, const QString &nome, const QString &descricao);

public Q_SLOTS:
    void cmdCadastrarGrupo_Click();
    void cmdRetornar_Click();

protected:
    // Escape and the window's close button leave the way cmdRetornar does.
    void reject() override;

private:
    bool NovoGrupo() const;
    bool Grava(const QString &nome, const QString &descricao);

    AmbienteJanela ambiente_;
    Diretorio diretorio_;
    QLabel *pnlId_ = nullptr;
    QLineEdit *txtNomeGrupo_ = nullptr;
    CaixaDeTextoMultilinha *txtDescricaoGrupo_ = nullptr;
};
