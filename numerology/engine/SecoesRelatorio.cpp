// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecoesRelatorio.h"

#include "Interpretacao.h"

using Variaveis_Globais::LeInterpretacao;

namespace Relatorio {

namespace {

QString secaoDoArquivo(
    const QString &titulo, int numero, const QString &arquivo, const QString &pasta)
{
    return SecaoPadrao(titulo, QString::number(numero), LeInterpretacao(numero, arquivo, pasta));
}

} // namespace

QString DataExtenso(QDate data, const QLocale &local)
{
    if (!data.isValid())
        return {};
    QString mes = local.monthName(data.month(), QLocale::ShortFormat);
    mes.remove(QLatin1Char('.'));
    return QStringLiteral("%1/%2/%3")
        .arg(data.day(), 2, 10, QLatin1Char('0'))
        .arg(mes.left(3))
        .arg(data.year(), 4, 10, QLatin1Char('0'));
}

QString DataExtenso(const QString &dataDigitada, const QLocale &local)
{
    return DataExtenso(QDate::fromString(dataDigitada, QStringLiteral("dd/MM/yyyy")), local);
}

QString Cabecalho(
    const QString &titulo, const QString &nome, const QString &dataNascimento, QDate hoje)
{
    return titulo + NL + NL + QStringLiteral("Nome: ") + nome.toUpper() + NL
        + QStringLiteral("Data de Nascimento: ") + DataExtenso(dataNascimento) + NL
        + QStringLiteral("Data desta Análise: ") + DataExtenso(hoje) + NL
        + QStringLiteral("******************") + NL;
}

QString Introducao(int indice, const QString &pastaPrograma)
{
    return NL + LeInterpretacao(indice, ArquivoInterpretacao::CDATA, pastaPrograma) + NL;
}

QString SecaoPadrao(const QString &titulo, const QString &valor, const QString &texto)
{
    return NL + titulo + valor + NL + NL + texto + NL + Separador + NL;
}

QString SecaoSaude(const QString &listaNumeros, const QString &pastaPrograma)
{
    QString secao = NL + QStringLiteral("Indicações para a Saúde") + NL + NL
        + QStringLiteral("São esses os números que usamos para indicar precauções relativas à "
                         "saúde ou para apontar onde podem ocorrer os sintomas.")
        + NL + NL;
    for (const int digito : Variaveis_Globais::NumerosSaude(listaNumeros))
        secao += LeInterpretacao(digito + 1, ArquivoInterpretacao::INDSAUDE, pastaPrograma) + NL;
    return secao + Separador + NL;
}

QString SecaoAnoUniversal(int anoUniversal, const QString &pastaPrograma)
{
    return Introducao(6, pastaPrograma)
        + secaoDoArquivo(QStringLiteral("Interpretações do Ano Universal: "), anoUniversal,
            ArquivoInterpretacao::INTANOUN, pastaPrograma);
}

QString SecaoMesUniversal(int mesUniversal, const QString &pastaPrograma)
{
    return secaoDoArquivo(QStringLiteral("Interpretações do Mês Universal: "), mesUniversal,
        ArquivoInterpretacao::INTMESUN, pastaPrograma);
}

QString SecaoDiaUniversal(int diaUniversal, const QString &pastaPrograma)
{
    return secaoDoArquivo(QStringLiteral("Interpretações do Dia Universal: "), diaUniversal,
        ArquivoInterpretacao::INTDIAUN, pastaPrograma);
}

QString SecaoAnoPessoal(int anoPessoal, const QString &pastaPrograma)
{
    return Introducao(7, pastaPrograma)
        + secaoDoArquivo(QStringLiteral("Interpretações do Ano Pessoal: "), anoPessoal,
            ArquivoInterpretacao::INTANOPS, pastaPrograma);
}

QString SecaoMesPessoal(int mesPessoal, const QString &pastaPrograma)
{
    return secaoDoArquivo(QStringLiteral("Interpretações do Mês Pessoal: "), mesPessoal,
        ArquivoInterpretacao::INTMESPS, pastaPrograma);
}

QString SecaoDiaPessoal(int diaPessoal, const QString &pastaPrograma)
{
    return secaoDoArquivo(QStringLiteral("Interpretações do Dia Pessoal: "), diaPessoal,
        ArquivoInterpretacao::INTDIAPS, pastaPrograma);
}

QString SecoesDoDia(const Variaveis_Globais::NumerosDoDia &n, const QString &pastaPrograma)
{
    return SecaoAnoUniversal(n.anoUniversal, pastaPrograma)
        + SecaoMesUniversal(n.mesUniversal, pastaPrograma)
        + SecaoDiaUniversal(n.diaUniversal, pastaPrograma)
        + SecaoAnoPessoal(n.anoPessoal, pastaPrograma)
        + SecaoMesPessoal(n.mesPessoal, pastaPrograma)
        + SecaoDiaPessoal(n.diaPessoal, pastaPrograma);
}

} // namespace Relatorio
