// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextosDoCadastro.h"

namespace cadastro {

QString EntradaDeGrupo(int idGrupo, const QString &nomeGrupo)
{
    return QStringLiteral("%1 - %2").arg(idGrupo, 5, 10, QLatin1Char('0')).arg(nomeGrupo);
}

int IdDaEntradaDeGrupo(const QString &entrada)
{
    // Five digits hold every identifier below 100000; past that the entry simply carries
    // more digits, so read all the digits that come before " - ".
    qsizetype fim = 0;
    while (fim < entrada.size() && entrada.at(fim).isDigit())
        ++fim;
    bool ok = false;
    const int id = entrada.left(fim).toInt(&ok);
    return ok ? id : 0;
}

QString DetalhesDoUsuario(const QString &idPager, const QString &dataCadastro, int numeroDeGrupos,
    const QString &descricao)
{
    const QString grupos = numeroDeGrupos == 0
        ? QStringLiteral("Grupos: Não pertence a nenhum grupo.")
        : QStringLiteral("Grupos: Pertence a %1 grupo(s).").arg(numeroDeGrupos);
    return QStringLiteral("Código do Pager: ") + idPager + QStringLiteral("\r\nData de Cadastro: ")
        + dataCadastro + QStringLiteral("\r\n") + grupos + QStringLiteral("\r\nDescrição: ")
        + descricao;
}

QString SemDescricao()
{
    return QStringLiteral("Não há descrição para este usuário.");
}

} // namespace cadastro
