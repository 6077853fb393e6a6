// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelatorioCompleto.h"

#include "Calculos.h"
#include "Interpretacao.h"
#include "SecoesRelatorio.h"

using namespace Variaveis_Globais;
namespace Arq = ArquivoInterpretacao;

namespace Relatorio {

namespace {

QString texto(int registro, const QString &arquivo, const QString &pasta)
{
    return LeInterpretacao(registro, arquivo, pasta);
}

QString caminhoDaVida(const NumerosNascimento &n, const QString &pasta)
{
    return Introducao(1, pasta)
        + SecaoPadrao(QStringLiteral("Interpretações do Caminho da Vida: "),
            QString::number(n.caminhoDaVida), texto(n.caminhoDaVida, Arq::CVIDA, pasta));
}

QString ciclosDaVida(
    const NumerosNascimento &n, const QString &dataNascimento, const QString &pasta)
{
    const QString diaMes = dataNascimento.left(6);
    auto ciclo = [&](const QString &titulo, int ano, int numero, const QString &arquivo) {
        return NL + titulo + diaMes + QString::number(ano) + QStringLiteral(" - Número: ")
            + QString::number(numero) + NL + NL + texto(numero, arquivo, pasta) + NL;
    };
    return Introducao(2, pasta)
        + ciclo(QStringLiteral("Dia em que Começa o Ciclo Formativo: "), n.anoNascimento,
            n.cicloFormativo, Arq::CFORM)
        + ciclo(QStringLiteral("Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: "),
            n.anoCicloProdutivo, n.cicloProdutivo, Arq::CPROD)
        + ciclo(QStringLiteral("Dia em que Termina o Ciclo Produtivo e Começa o Ciclo Colheita: "),
            n.anoCicloColheita, n.cicloColheita, Arq::CCOLH)
        + Separador + NL;
}

QString vibracaoDoDia(const NumerosNascimento &n, const QString &pasta)
{
    return Introducao(3, pasta)
        + SecaoPadrao(QStringLiteral("Vibrações do Dia do Nascimento: "),
            QString::number(n.numeroAniversario), texto(n.numeroAniversario, Arq::CDNAS, pasta));
}

QString desafioDoDia(const NumerosNascimento &n, const QString &pasta)
{
    QString secao = NL + QStringLiteral("Desafios do Dia do Nascimento: ")
        + QString::number(n.desafioAniversario) + NL
        + QStringLiteral("Esta é uma lição a ser aprendida. Esta vibração pode causar ansiedade "
                         "ou tensão na vida, até ser superdada ou compreendida.")
        + NL + NL + texto(n.desafioAniversario + 1, Arq::DESNASC, pasta) + NL;
    // A challenge of 0 leaves every lesson open, so all the others are listed as well.
    if (n.desafioAniversario == 0) {
        for (int registro = 2; registro <= 10; ++registro)
            secao += texto(registro, Arq::DESNASC, pasta) + NL;
    }
    return secao + Separador + NL;
}

QString presenteDoDia(const NumerosNascimento &n, const QString &pasta)
{
    return NL + QStringLiteral("O Presente do Dia de Nascimento: ")
        + QString::number(n.presenteAniversario) + NL
        + QStringLiteral("Este é um dom oferecido para compensar o Desafio do Dia do Nascimento.")
        + NL + NL + QStringLiteral("O seu dom para o Presente de Nascimento é ")
        + texto(n.presenteAniversario + 1, Arq::PRESNASC, pasta) + QStringLiteral(".") + NL
        + Separador + NL;
}

QString realizacoes(const NumerosNascimento &n, const QString &pasta)
{
    const QString a2 = QString::number(n.idadesApices[0]);
    const QString a3 = QString::number(n.idadesApices[1]);
    const QString a4 = QString::number(n.idadesApices[2]);
    const QString linhas[4] = {
        QStringLiteral("A sua primeira realização tem início na data de seu nascimento e "
                       "prolonga-se até os seus ")
            + a2 + QStringLiteral(" anos. Número: "),
        QStringLiteral("A sua segunda realização tem início aos seus ") + a2
            + QStringLiteral(" anos e prolonga-se até os seus ") + a3
            + QStringLiteral(" anos. Número: "),
        QStringLiteral("A sua terceira realização tem início aos seus ") + a3
            + QStringLiteral(" anos e prolonga-se até os seus ") + a4
            + QStringLiteral(" anos. Número: "),
        QStringLiteral("A sua quarta realização tem início aos seus ") + a4
            + QStringLiteral(" anos e prolonga-se até o fim de sua vida. Número: "),
    };
    QString secao = Introducao(4, pasta) + NL
        + QStringLiteral("Interpretação das Realizações/Ápices") + NL + NL;
    for (int i = 0; i < 4; ++i) {
        secao += linhas[i] + QString::number(n.apices[i]) + NL + NL
            + texto(n.apices[i], Arq::APICES, pasta) + QStringLiteral(".") + NL;
        if (i < 3)
            secao += NL;
    }
    return secao + Separador + NL;
}

QString desafiosDaVida(const NumerosNascimento &n, const QString &pasta)
{
    const std::pair<QString, int> desafios[4] = {
        {QStringLiteral("Desafio Maior (Sentido durante a vida inteira): "), n.desafioMaior},
        {QStringLiteral("1º Desafio Menor (Vibra principalmente durante a primeira metade da "
                        "vida): "),
            n.primeiroDesafioMenor},
        {QStringLiteral("2º Desafio Menor (Vibra principalmente durante a última metade da "
                        "vida): "),
            n.segundoDesafioMenor},
        {QStringLiteral("Desafio Menor Adicional: "), n.desafioMenorAdicional},
    };
    QString secao = Introducao(5, pasta) + NL
        + QStringLiteral("Interpretações dos Desafios da Vida") + NL + NL;
    for (int i = 0; i < 4; ++i) {
        const auto &[titulo, numero] = desafios[i];
        secao += titulo + QString::number(numero) + NL + NL + texto(numero + 1, Arq::DESVIDA, pasta)
            + QStringLiteral(".") + NL;
        if (i < 3)
            secao += NL;
    }
    return secao + Separador + NL;
}

// A name number of 0 has no record: the section keeps its place and says why it is empty.
QString secaoDoNome(int introducao, const QString &titulo, int numero, const QString &arquivo,
    const QString &semLetras, const QString &pasta)
{
    const QString interpretacao = numero > 0 ? texto(numero, arquivo, pasta) : semLetras;
    return Introducao(introducao, pasta)
        + SecaoPadrao(titulo, QString::number(numero), interpretacao);
}

QString secoesDoNome(const NumerosNome &n, const QString &pasta)
{
    QString secoes = secaoDoNome(8, QStringLiteral("Interpretações da Expressão: "), n.expressao,
                         Arq::INTEXEXP,
                         QStringLiteral("O nome informado não contém letras que "
                                        "expressem um número de Expressão."),
                         pasta)
        + secaoDoNome(9, QStringLiteral("Interpretações do Impulso da Alma: "), n.impulsoAlma,
            Arq::IMPXALMA,
            QStringLiteral("O nome informado não contém vogais que revelem o Impulso "
                           "da Alma."),
            pasta)
        + secaoDoNome(10, QStringLiteral("O Eu Silencioso: "), n.euSilencioso, Arq::EUXSILEN,
            QStringLiteral("O nome informado não contém consoantes que revelem o Eu "
                           "Silencioso."),
            pasta);

    const bool temVogal = n.indicePrimeiraVogal > 0;
    secoes += Introducao(11, pasta)
        + SecaoPadrao(QStringLiteral("Interpretação da Primeira Vogal: "),
            temVogal ? QString(n.primeiraVogal) : QString(),
            temVogal ? texto(n.indicePrimeiraVogal, Arq::INTVOG, pasta)
                     : QStringLiteral("O nome informado não contém vogais; não há "
                                      "Primeira Vogal a interpretar."));

    secoes += secaoDoNome(12, QStringLiteral("Interpretações da Característica do Nome: "),
                  n.caracteristicaNome, Arq::INTNOME,
                  QStringLiteral("O nome informado contém apenas espaços, sem letras "
                                 "que formem a Característica do Nome."),
                  pasta)
        + Introducao(13, pasta)
        + SecaoPadrao(QStringLiteral("Interpretações do Número da Realidade: "),
            QString::number(n.realidade), texto(n.realidade, Arq::INTREALI, pasta));
    return secoes;
}

} // namespace

RelatorioGerado CriaRelatorio(
    const QString &nome, const QString &dataNascimento, QDate hoje, const QString &pastaPrograma)
{
    const NumerosNascimento nascimento = CalculaNumerosNascimento(dataNascimento);
    const NumerosDoDia doDia = CalculaNumerosDoDia(nascimento, hoje);
    const NumerosNome doNome = CalculaNumerosNome(nome, nascimento.caminhoDaVida);
    const QString &pasta = pastaPrograma;

    const QString secoes = caminhoDaVida(nascimento, pasta)
        + ciclosDaVida(nascimento, dataNascimento, pasta) + vibracaoDoDia(nascimento, pasta)
        + desafioDoDia(nascimento, pasta) + presenteDoDia(nascimento, pasta)
        + realizacoes(nascimento, pasta) + desafiosDaVida(nascimento, pasta)
        + SecaoSaude(ListaNumeros(nascimento), pasta) + SecoesDoDia(doDia, pasta)
        + secoesDoNome(doNome, pasta);

    RelatorioGerado gerado;
    gerado.documento.legenda = QStringLiteral("Análise Numerológica de ") + nome.toUpper();
    gerado.documento.texto = Cabecalho(TituloCompleto, nome, dataNascimento, hoje) + secoes;
    gerado.caminhoDaVida = nascimento.caminhoDaVida;
    return gerado;
}

} // namespace Relatorio
