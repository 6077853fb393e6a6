#include "JanelasDoPrincipal.h"
#include "directory/AmbienteJanela.h"
#include "directory/Historico.h"
#include "directory/frmCadastraGrupo.h"
#include "directory/frmCadastraUsuarios.h"
#include "directory/frmMontaMsg.h"
#include "directory/frmSobre.h"
#include "directory/frmUsuariosGrupo.h"
#include "directory/frmVisualizaUsuarios.h"
#include "frmPrincipal.h"
#include "tap/frmShowDoEnvio.h"

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
        d.mostraShowDoEnvio = ShowDoEnvio(principal.modulo());
        frmMontaMsg janela(AmbienteDoPrincipal(principal), std::move(d), &principal);
        principal.executaDialogo(janela);
    };
    return janelas;
}
