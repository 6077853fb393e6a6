// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDialog>

class QComboBox;
class QLabel;
class frmCadastraGrupos;

// The groups window ("Grupos"): lists the groups with the description of the chosen one
// and leads to the group dialog (new, alter) and to deleting a group with its
// memberships. Its list is read again after every change; it keeps no rows itself.
class frmCadastraGrupo : public QDialog
{
    Q_OBJECT
public:
    // Builds the window and fills it (Form_Load) before it is shown.
    explicit frmCadastraGrupo(AmbienteJanela ambiente, QWidget *pai = nullptr);

    bool AtualizaGrupos();
    void AtualizaMsgGrupo();

public Q_SLOTS:
    void cmdCadastrarGrupo_Click();
    void cmdAlterarGrupo_Click();
    void cmdExcluirGrupo_Click();
    void cmdRetornar_Click();

private:
    void Form_Load();
    // The rows of the chosen group's name; a failed read is shown and gives nothing.
    std::optional<Instantaneo> LeGrupoEscolhido();
    bool SemGrupos();
    void AbreDialogo(frmCadastraGrupos &dialogo, const QString &status);

    AmbienteJanela ambiente_;
    Diretorio diretorio_;
    QComboBox *cmbGrupos_ = nullptr;
    QLabel *pnlDescricaoGrupo_ = nullptr;
};
