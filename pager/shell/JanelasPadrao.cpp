#include "JanelasDoPrincipal.h"
#include "directory/frmCadastraUsuarios.h"
#include "directory/frmMontaMsg.h"
#include "directory/frmVisualizaUsuarios.h"
#include "frmPrincipal.h"
#include "tap/frmShowDoEnvio.h"

JanelasDoPrincipal JanelasPadrao()
{
    // The registers, compose, history and about windows join here as they are built.
    JanelasDoPrincipal janelas;
    janelas.cadastraUsuarios = [](frmPrincipal &principal) {
        frmCadastraUsuarios dialogo(principal.caixa(), &principal);
        principal.executaDialogo(dialogo);
    };
    janelas.visualizaUsuarios = [](frmPrincipal &principal) {
        frmVisualizaUsuarios::Dependencias d;
        d.caixa = &principal.caixa();
        d.status = &principal;
        d.executaDialogo = [&principal](QDialog &dialogo) { principal.executaDialogo(dialogo); };
        // d.ExibeHistorico: the history of one user, set when the history window joins.
        frmVisualizaUsuarios janela(std::move(d), &principal);
        principal.executaDialogo(janela);
    };
    janelas.montaMsg = [](frmPrincipal &principal) {
        frmMontaMsg::Dependencias d;
        d.caixa = &principal.caixa();
        d.ini = &principal.ini();
        d.status = &principal;
        d.executaDialogo = [&principal](QDialog &dialogo) { principal.executaDialogo(dialogo); };
        d.mostraShowDoEnvio = ShowDoEnvio(principal.modulo());
        frmMontaMsg janela(std::move(d), &principal);
        principal.executaDialogo(janela);
    };
    return janelas;
}
