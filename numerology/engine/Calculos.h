// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <array>

// The numerology routines of Vistral: digit reduction, the three letter tables, the name
// numbers and every number derived from the birth date and today's date. All are pure:
// "today" and the birth date come in as arguments; nothing reads the clock or a file, and
// nothing is remembered between calls (the caller keeps CaminhoDaVida).
namespace Variaveis_Globais {

// Adds the decimal digits again and again until one digit is left (0 stays 0; no master
// numbers). Negative input counts as its absolute value.
int ReduzNumero(qint64 n);

// Letter tables: upper and lower case alike; anything outside A-Z is 0. Y is a vowel.
int ValorLetra(QChar c);
int ValorConsoante(QChar c);
int ValorVogal(QChar c);

// Name numbers: the letters' values summed in a wide integer, then reduced (0 when the name
// holds no letter of the kind).
int NumeroExpressao(const QString &nome);
int NumeroImpulsoAlma(const QString &nome);
int NumeroEuSilencioso(const QString &nome);

// Numbers that depend only on the birth date text "dd/mm/yyyy". A piece that is not a number
// counts as 0, so a malformed text gives small numbers, never a crash.
struct NumerosNascimento
{
    int diaNascimento = 0;
    int mesNascimento = 0;
    int anoNascimento = 0;
    int numeroMes = 0;
    int numeroDia = 0;
    int numeroAno = 0;
    int caminhoDaVida = 0;
    int numeroAniversario = 0;
    int desafioAniversario = 0;
    int presenteAniversario = 0;
    int cicloFormativo = 0;
    int cicloProdutivo = 0;
    int cicloColheita = 0;
    int anoCicloProdutivo = 0; // the productive cycle starts on the birthday of this year
    int anoCicloColheita = 0; // the harvest cycle starts on the birthday of this year
    std::array<int, 4> apices{};
    // Age at which the second, third and fourth pinnacles start (the first starts at birth).
    std::array<int, 3> idadesApices{};
    int primeiroDesafioMenor = 0;
    int segundoDesafioMenor = 0;
    int desafioMaior = 0;
    int desafioMenorAdicional = 0;
};
NumerosNascimento CalculaNumerosNascimento(const QString &dataNascimento);

// Year in which a life cycle changes: birth year + k moved to the nearest year whose
// personal year is 1 (k = 27 for the productive cycle, 57 for the harvest cycle). The
// narrow types keep every sum far inside an int: a birth year has four digits, the month
// and day numbers one.
int AnoMudancaCiclo(quint16 anoNascimento, quint8 numeroMes, quint8 numeroDia, quint8 k);

// Universal and personal numbers of one day for a person.
struct NumerosDoDia
{
    int anoUniversal = 0;
    int mesUniversal = 0;
    int diaUniversal = 0;
    int anoPessoal = 0;
    int mesPessoal = 0;
    int diaPessoal = 0;
};
NumerosDoDia CalculaNumerosDoDia(const NumerosNascimento &nascimento, QDate hoje);
int AnoUniversal(int ano);
int AnoPessoal(int numeroMes, int numeroDia, int anoUniversal);
int MesPessoal(int mes, int anoPessoal);
int DiaPessoal(int mesPessoal, int diaDoMes);

// Numbers that come from the name (and, for the reality number, the life path).
struct NumerosNome
{
    int expressao = 0;
    int impulsoAlma = 0;
    int euSilencioso = 0;
    QChar primeiraVogal; // null when the name has no A, E, I, O, U or Y
    int indicePrimeiraVogal = 0; // A 1, E 2, I 3, O 4, U 5, Y 6; 0 without a vowel
    int caracteristicaNome = 0;
    int realidade = 0;
};
NumerosNome CalculaNumerosNome(const QString &nome, int caminhoDaVida);

// The fifteen numbers the health section counts, in the order they are collected: life path,
// day, month, year, birthday, birthday challenge, gift, four pinnacles, first and second minor,
// major and additional challenge.
QList<int> NumerosParaSaude(const NumerosNascimento &nascimento);
// The same numbers as the working text of the reports: a blank and the digit for each.
QString ListaNumeros(const NumerosNascimento &nascimento);
QString ListaNumeros(const QString &dataNascimento);

// The digits that occur most often in the list, in ascending order.
QList<int> NumerosSaude(const QList<int> &numeros);
QList<int> NumerosSaude(const QString &listaNumeros);

} // namespace Variaveis_Globais
