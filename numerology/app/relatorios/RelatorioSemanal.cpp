// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelatorioSemanal.h"

#include "engine/Calculos.h"
#include "engine/Interpretacao.h"
#include "engine/SecoesRelatorio.h"

namespace Relatorio {

RelatorioGerado CriaRelatorioSemanal(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma)
{
    using namespace Variaveis_Globais;
    const NumerosNascimento nascimento = CalculaNumerosNascimento(dataNascimento);
    const int anoPessoal
        = AnoPessoal(nascimento.numeroMes, nascimento.numeroDia, AnoUniversal(hoje.year()));
    const int mesPessoal = MesPessoal(hoje.month(), anoPessoal);

    QString secoes
        = SecaoAnoPessoal(anoPessoal, pastaPrograma) + SecaoMesPessoal(mesPessoal, pastaPrograma);
    for (int deslocamento = 0; deslocamento < 7; ++deslocamento) {
        const QDate dia = hoje.addDays(deslocamento);
        const int diaPessoal = DiaPessoal(mesPessoal, dia.day());
        // The day's own number is not written: the date stands in its place.
        secoes += SecaoPadrao(QStringLiteral("Interpretações do Dia Pessoal para ")
                + DataExtenso(dia) + QStringLiteral(": "),
            QString(), LeInterpretacao(diaPessoal, ArquivoInterpretacao::INTDIAPS, pastaPrograma));
    }

    return {{QStringLiteral("Análise Numerológica Semanal de ") + nome.toUpper(),
                Cabecalho(TituloSemanal, nome, dataNascimento, hoje) + secoes},
        std::nullopt};
}

} // namespace Relatorio
