// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/Diretorio.h"
#include "core/settings/OpcaoListagem.h"
#include "core/tap/PedidoEnvio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDialog>
#include <functional>

class ArquivoIni;
class CaixaDeTextoMultilinha;
class QComboBox;
class QRadioButton;
class QToolButton;

// The compose window ("Envio de Mensagens"): the operator picks one user or one group,
// types the text (accented letters folded as typed, "=ANTERIOR" recalls the previous
// message) and sends. Sending hands a PedidoEnvio (mode, identifier, text as they stood
// when send was pressed) to the send window through mostraShowDoEnvio; the window stays
// open for further messages. It keeps the list kind in the settings file and the
// recipients' identifiers in global::IdsDestinatarios. It knows nothing of the modem.
class frmMontaMsg : public QDialog
{
    Q_OBJECT
public:
    // Opens the send window (frmShowDoEnvio) modally over the compose window and runs the
    // transmission of `pedido`; after a delivery that completed it calls LimpaMensagem().
    using MostraShowDoEnvio = std::function<void(frmMontaMsg &, const PedidoEnvio &pedido)>;

    struct Dependencias
    {
        ArquivoIni *ini = nullptr; // required: "LISTAGEM" / "Opção"
        // While it is empty, send stops once MensagemAnterior and EnvioIniciado are set.
        MostraShowDoEnvio mostraShowDoEnvio;
    };

    frmMontaMsg(AmbienteJanela ambiente, Dependencias dependencias, QWidget *pai = nullptr);

    void AjustaINIOpcao();
    void ListaPorUsuario();
    void ListaPorGrupo();

    Listagem listagem() const;
    // The request as the controls stand now.
    PedidoEnvio Pedido() const;
    // Empties the text after a delivery.
    void LimpaMensagem();

public Q_SLOTS:
    void cmdEnviar_Click();
    void cmdCadastrar_Click();
    void cmdAlterar_Click();
    void cmdRetornar_Click();
    void reject() override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void Form_Load();
    void txtMensagem_Change();
    void Lista(Listagem listagem);
    void ListaNoModoAtual();
    void MarcaOpcao(Listagem listagem);

    AmbienteJanela m_ambiente;
    Dependencias m_dep;
    Diretorio m_diretorio;
    QRadioButton *m_optListaPorUsuario = nullptr;
    QRadioButton *m_optListaPorGrupo = nullptr;
    QComboBox *m_cmbUsuario = nullptr;
    QToolButton *m_cmdCadastrar = nullptr;
    QToolButton *m_cmdAlterar = nullptr;
    CaixaDeTextoMultilinha *m_txtMensagem = nullptr;
    bool m_recuperando = false;
    bool m_mostrado = false;
};
