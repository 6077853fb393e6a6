// SPDX-License-Identifier: GPL-3.0-or-later
#include "JanelasDoPrincipal.h"
#include "core/dispatch/ServicoDeEnvio.h"
#include "forms/about/frmSobre.h"
#include "forms/history/Historico.h"
#include "forms/queue/Fila.h"
#include "forms/registers/frmCadastraGrupo.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/registers/frmUsuariosGrupo.h"
#include "forms/registers/frmVisualizaUsuarios.h"
#include "forms/send/frmEnvioPelaFila.h"
#include "forms/send/frmMontaMsg.h"
#include "forms/send/frmShowDoEnvio.h"
#include "forms/widgets/AmbienteJanela.h"
#include "frmPrincipal.h"

namespace {

// The main window's message box, status line and dialog runner, lent to the directory's
// windows.
AmbienteJanela AmbienteDoPrincipal(frmPrincipal &principal)
{
    return {principal.caixa(),
        [&principal](const QString &texto) { principal.mostraStatus(texto); },
        [&principal](QDialog &dialogo) { principal.executaDialogo(dialogo); }, {}};
}

} // namespace

JanelasDoPrincipal JanelasPadrao()
{
    // The registers, compose, history and about windows join here as they are built.
    JanelasDoPrincipal janelas;
    janelas.cadastroGrupos = [](frmPrincipal &principal) {
        frmCadastraGrupo janela(AmbienteDoPrincipal(principal), &principal);
        principal.executaDialogo(janela);
    };
    janelas.usuariosGrupo = [](frmPrincipal &principal) {
        frmUsuariosGrupo janela(AmbienteDoPrincipal(principal), &principal);
        principal.executaDialogo(janela);
    };
    janelas.historico
        = [](frmPrincipal &principal) { ExibeHistorico(principal.areaMdi(), principal.caixa()); };
    janelas.fila
        = [](frmPrincipal &principal) { ExibeFila(principal.areaMdi(), principal.caixa()); };
    janelas.sobre = [](frmPrincipal &principal) {
        frmSobre janela(&principal);
        principal.executaDialogo(janela);
    };
    janelas.cadastraUsuarios = [](frmPrincipal &principal) {
        frmCadastraUsuarios dialogo(principal.caixa(), &principal);
        principal.executaDialogo(dialogo);
    };
    janelas.visualizaUsuarios = [](frmPrincipal &principal) {
        frmVisualizaUsuarios::Dependencias d;
        d.ExibeHistorico = [&principal](const QString &idUsuario) {
            ::ExibeHistorico(principal.areaMdi(), principal.caixa(), idUsuario.toInt());
        };
        frmVisualizaUsuarios janela(AmbienteDoPrincipal(principal), std::move(d), &principal);
        principal.executaDialogo(janela);
    };
    janelas.montaMsg = [](frmPrincipal &principal) {
        frmMontaMsg::Dependencias d;
        d.ini = &principal.ini();
        // A service named in the settings holds the line: the page goes to its queue.
        d.mostraShowDoEnvio = ServicoDeEnvio::Nomeado(principal.ini())
            ? EnvioPeloServico(principal.ini(), principal.caixa())
            : ShowDoEnvio(principal.modulo());
        frmMontaMsg janela(AmbienteDoPrincipal(principal), std::move(d), &principal);
        principal.executaDialogo(janela);
    };
    return janelas;
}
