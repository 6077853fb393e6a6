// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QListWidget;

// The membership window ("Grupos de Usuários"): shows the members of the chosen group,
// adds a registered user to it and removes a member (every user of that name). With no
// group at all, adding, removing and refreshing do nothing. Users are offered without
// any ceiling on their number; each entry of cmbUsuarios carries its user's identifier.
class frmUsuariosGrupo : public QDialog
{
    Q_OBJECT
public:
    // Builds the window and fills it (Form_Load): a first group without members is
    // reported before the window is shown.
    explicit frmUsuariosGrupo(AmbienteJanela ambiente, QWidget *pai = nullptr);

    bool AtualizaGrupos();
    void AtualizaUsuariosDoGrupo();
    void PreencheUsuarios();

public Q_SLOTS:
    void cmdAdicionar_Click();
    void cmdRemover_Click();
    void cmdRetornar_Click();

private:
    void Form_Load();
    // ID_Grupo of the chosen group; empty when there is none, when the read failed (shown)
    // or when another operator removed it (shown, and both lists are filled again).
    std::optional<int> GrupoEscolhido();
    // After a refused add or remove: fills both lists again when the refusal was a user or
    // group that is no longer there, so it is offered no more.
    void Reabre();

    AmbienteJanela ambiente_;
    Diretorio diretorio_;
    QComboBox *cmbGrupos_ = nullptr;
    QListWidget *lstUsuarios_ = nullptr;
    QComboBox *cmbUsuarios_ = nullptr;
};
