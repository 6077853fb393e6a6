// SPDX-License-Identifier: GPL-3.0-or-later
#include "GravacaoDeUsuario.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "Diretorio.h"
#include "TextosDoCadastro.h"

namespace {

void Adverte(CaixaMensagem &caixa, const QString &titulo, const QString &texto)
{
    caixa.mostra(titulo, texto, CaixaMensagem::Icone::Informacao);
}

// A value of blanks only is as good as none: it would page nobody and name nobody.
bool Vazio(const QString &valor)
{
    return valor.trimmed().isEmpty();
}

} // namespace

void AvisaFalhaDoDiretorio(CaixaMensagem &caixa, const Diretorio &diretorio)
{
    Adverte(caixa, QStringLiteral("Erro:"), diretorio.Erro());
}

bool GravaUsuario(
    Diretorio &diretorio, CaixaMensagem &caixa, FichaDeUsuario &ficha, const QDate &hoje)
{
    if (Vazio(ficha.idPager)) {
        Adverte(caixa, QStringLiteral("Advertência:"),
            QStringLiteral("Desculpe, mas para criar um novo usuário você deve informar o seu "
                           "respectivo código do pager."));
        return false;
    }
    if (Vazio(ficha.nome)) {
        Adverte(caixa, QStringLiteral("Advertência:"),
            QStringLiteral("Desculpe, mas para criar um novo usuário você deve informar o seu "
                           "respectivo nome."));
        return false;
    }
    if (ficha.descricao.isEmpty())
        ficha.descricao = cadastro::SemDescricao();

    std::optional<CursorOcupado> ocupado(std::in_place);
    if (ficha.idUsuario != 0) {
        // Another operator may have changed the user's groups since the dialog read them:
        // his changes stay unless this operator changed the same mark.
        MudancaDeGrupos grupos;
        for (int id : ficha.idsGrupos.value_or(ficha.idsGruposLidos)) {
            if (!ficha.idsGruposLidos.contains(id))
                grupos.entra.append(id);
        }
        for (int id : ficha.idsGruposLidos) {
            if (ficha.idsGrupos && !ficha.idsGrupos->contains(id))
                grupos.sai.append(id);
        }
        // The pager code is not checked on alteration: codes may be swapped between users.
        if (diretorio.AlteraUsuario(
                ficha.idUsuario, ficha.descricao, ficha.idPager, ficha.nome, grupos))
            return true;
        ocupado.reset();
        AvisaFalhaDoDiretorio(caixa, diretorio);
        return false;
    }
    // The groups go under the identifier the engine gave this row, never under an older
    // user who happens to carry the same name.
    const std::optional<int> id = diretorio.InsereUsuario(
        ficha.descricao, ficha.idPager, hoje, ficha.nome, ficha.idsGrupos.value_or(QList<int>{}));
    if (!id) {
        ocupado.reset();
        AvisaFalhaDoDiretorio(caixa, diretorio);
        return false;
    }
    ficha.idUsuario = *id;
    return true;
}
