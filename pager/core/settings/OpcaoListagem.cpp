// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcaoListagem.h"

#include "ArquivoIni.h"

#include <QString>

namespace {

QString Secao()
{
    return QStringLiteral("LISTAGEM");
}
QString Chave()
{
    return QStringLiteral("Opção");
}
QString Usuario()
{
    return QStringLiteral("Usuário");
}

} // namespace

Listagem AjustaINIOpcao(ArquivoIni &ini)
{
    const QString valor = ini.LePerfil(Secao(), Chave(), QStringLiteral("VAZIO"));
    if (valor == QStringLiteral("VAZIO")) {
        ini.GravaPerfil(Secao(), Chave(), Usuario());
        return Listagem::PorUsuario;
    }
    return valor == Usuario() ? Listagem::PorUsuario : Listagem::PorGrupo;
}

bool GravaINIOpcao(ArquivoIni &ini, Listagem listagem)
{
    return ini.GravaPerfil(
        Secao(), Chave(), listagem == Listagem::PorGrupo ? QStringLiteral("Grupo") : Usuario());
}
