// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelatorioParcial.h"

#include "engine/Calculos.h"
#include "engine/SecoesRelatorio.h"

namespace Relatorio {

RelatorioGerado CriaRelatorioParcial(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma)
{
    using namespace Variaveis_Globais;
    // The health numbers are counted over the fifteen birth-date numbers of the complete
    // analysis, although their own sections are not written here.
    const NumerosNascimento nascimento = CalculaNumerosNascimento(dataNascimento);
    const QString secoes = SecaoSaude(ListaNumeros(nascimento), pastaPrograma)
        + SecoesDoDia(CalculaNumerosDoDia(nascimento, hoje), pastaPrograma);

    return {{QStringLiteral("Análise Numerológica Parcial de ") + nome.toUpper(),
                Cabecalho(TituloParcial, nome, dataNascimento, hoje) + secoes},
        nascimento.caminhoDaVida};
}

} // namespace Relatorio
