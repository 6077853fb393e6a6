// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDialog>
#include <QList>
#include <functional>

class QComboBox;
class QLabel;

// The users view ("Visualizando Usuários"): every user by name, the details of the chosen
// one, and the way to the user dialog (new, alter), to deletion and to the user's message
// history. The list is read anew after every change; the view keeps no other copy of the
// directory. The history window itself is not its business: it calls ExibeHistorico.
class frmVisualizaUsuarios : public QDialog
{
    Q_OBJECT
public:
    struct Dependencias
    {
        // Opens the history of one user, given his ID_Usuario as decimal digits. While it
        // is empty, "E&xibir Histórico" opens nothing.
        std::function<void(const QString &idUsuario)> ExibeHistorico;
    };

    frmVisualizaUsuarios(
        AmbienteJanela ambiente, Dependencias dependencias = {}, QWidget *pai = nullptr);

    // Refills cmbUsuario and IdsUsuarios; true when at least one user was listed (the
    // first one is then selected).
    bool AtualizaListaDeUsuarios();
    // Shows the four detail lines of the selected user.
    void ExibeInfoUsuario();

    // Slot k holds the ID_Usuario of the k-th entry of cmbUsuario (slot 0 unused).
    const QList<int> &IdsUsuarios() const { return m_idsUsuarios; }

public Q_SLOTS:
    void cmdCadastrarGrupo_Click();
    void cmdAlterarGrupo_Click();
    void cmdExcluirGrupo_Click();
    void cmdHistorico_Click();
    void cmdRetornar_Click();

private:
    void Form_Load();
    // True, with the message shown, when there is no user to act on.
    bool SemUsuarios();
    // Refills the list and the details after the dialog or a deletion.
    void Reexibe();
    int idSelecionado() const;

    AmbienteJanela m_ambiente;
    Dependencias m_dep;
    Diretorio m_diretorio;
    QList<int> m_idsUsuarios;
    QComboBox *m_cmbUsuario = nullptr;
    QLabel *m_pnlDescricaoGrupo = nullptr;
};
