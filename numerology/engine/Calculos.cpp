// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculos.h"

#include <cstdlib>

namespace Variaveis_Globais {

namespace {

// Upper case of a-z; every other character stays as it is. Unicode's own case mapping would
// turn a few letters outside A-Z (the dotless i, the long s) into I and S.
char16_t maiuscula(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? static_cast<char16_t>(u - u'a' + u'A') : u;
}

// Value of every letter A..Z in the full table: 1..9 over and over.
int valorTabela(QChar c)
{
    const char16_t u = maiuscula(c);
    if (u < u'A' || u > u'Z')
        return 0;
    return (u - u'A') % 9 + 1;
}

bool ehVogal(QChar c)
{
    switch (maiuscula(c)) {
    case u'A':
    case u'E':
    case u'I':
    case u'O':
    case u'U':
    case u'Y': return true;
    default: return false;
    }
}

template <typename Valor> int somaReduzida(const QString &nome, Valor valor)
{
    qint64 total = 0;
    for (const QChar c : nome)
        total += valor(c);
    return ReduzNumero(total);
}

// The number formed by the leading decimal digits of a piece of text (no digits: 0).
int valorNumerico(QStringView texto)
{
    int valor = 0;
    for (const QChar c : texto) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            break;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return valor;
}

} // namespace

int ReduzNumero(qint64 n)
{
    // The magnitude in unsigned arithmetic: negating the most negative value overflows.
    quint64 m = n < 0 ? 0 - static_cast<quint64>(n) : static_cast<quint64>(n);
    while (m >= 10) {
        quint64 soma = 0;
        for (; m > 0; m /= 10)
            soma += m % 10;
        m = soma;
    }
    return static_cast<int>(m);
}

int ValorLetra(QChar c)
{
    return valorTabela(c);
}

int ValorConsoante(QChar c)
{
    return ehVogal(c) ? 0 : valorTabela(c);
}

int ValorVogal(QChar c)
{
    return ehVogal(c) ? valorTabela(c) : 0;
}

int NumeroExpressao(const QString &nome)
{
    return somaReduzida(nome, ValorLetra);
}

int NumeroImpulsoAlma(const QString &nome)
{
    return somaReduzida(nome, ValorVogal);
}

int NumeroEuSilencioso(const QString &nome)
{
    return somaReduzida(nome, ValorConsoante);
}

int AnoMudancaCiclo(quint16 anoNascimento, quint8 numeroMes, quint8 numeroDia, quint8 k)
{
    const int md = ReduzNumero(numeroMes + numeroDia);
    const int x = ReduzNumero(md + ReduzNumero(anoNascimento + k));
    int deslocamento = 0;
    if (x >= 5)
        deslocamento = 10 - x;
    else if (x >= 2)
        deslocamento = 1 - x;
    return anoNascimento + k + deslocamento;
}

NumerosNascimento CalculaNumerosNascimento(const QString &dataNascimento)
{
    const QStringView texto(dataNascimento);
    NumerosNascimento n;
    n.diaNascimento = valorNumerico(texto.mid(0, 2));
    n.mesNascimento = valorNumerico(texto.mid(3, 2));
    n.anoNascimento = valorNumerico(texto.size() >= 4 ? texto.right(4) : texto);
    const int primeiroDigito = valorNumerico(texto.mid(0, 1));
    const int segundoDigito = valorNumerico(texto.mid(1, 1));

    n.numeroMes = ReduzNumero(n.mesNascimento);
    n.numeroDia = ReduzNumero(n.diaNascimento);
    n.numeroAno = ReduzNumero(n.anoNascimento);
    n.caminhoDaVida = ReduzNumero(n.numeroMes + n.numeroDia + n.numeroAno);
    n.numeroAniversario = n.numeroDia;
    n.desafioAniversario = std::abs(primeiroDigito - segundoDigito);
    n.presenteAniversario = 9 - n.desafioAniversario;

    n.cicloFormativo = n.numeroMes;
    n.cicloProdutivo = n.numeroDia;
    n.cicloColheita = n.numeroAno;
    // Four digits and single digits: the narrow types of AnoMudancaCiclo hold them all.
    const auto ano = static_cast<quint16>(n.anoNascimento);
    const auto mes = static_cast<quint8>(n.numeroMes);
    const auto dia = static_cast<quint8>(n.numeroDia);
    n.anoCicloProdutivo = AnoMudancaCiclo(ano, mes, dia, 27);
    n.anoCicloColheita = AnoMudancaCiclo(ano, mes, dia, 57);

    n.apices[0] = ReduzNumero(n.numeroMes + n.numeroDia);
    n.apices[1] = ReduzNumero(n.numeroDia + n.numeroAno);
    n.apices[2] = ReduzNumero(n.apices[1] + n.apices[0]);
    n.apices[3] = ReduzNumero(n.numeroMes + n.numeroAno);
    const int idadeSegundo = 36 - n.caminhoDaVida;
    n.idadesApices = {idadeSegundo, idadeSegundo + 9, idadeSegundo + 18};

    n.primeiroDesafioMenor = std::abs(n.numeroMes - n.numeroDia);
    n.segundoDesafioMenor = std::abs(n.numeroDia - n.numeroAno);
    n.desafioMaior = std::abs(n.primeiroDesafioMenor - n.segundoDesafioMenor);
    n.desafioMenorAdicional = std::abs(n.numeroMes - n.numeroAno);
    return n;
}

int AnoUniversal(int ano)
{
    return ReduzNumero(ano);
}

int AnoPessoal(int numeroMes, int numeroDia, int anoUniversal)
{
    return ReduzNumero(numeroMes + numeroDia + anoUniversal);
}

int MesPessoal(int mes, int anoPessoal)
{
    return ReduzNumero(ReduzNumero(mes) + anoPessoal);
}

int DiaPessoal(int mesPessoal, int diaDoMes)
{
    return ReduzNumero(mesPessoal + ReduzNumero(diaDoMes));
}

NumerosDoDia CalculaNumerosDoDia(const NumerosNascimento &nascimento, QDate hoje)
{
    NumerosDoDia n;
    n.anoUniversal = AnoUniversal(hoje.year());
    n.mesUniversal = ReduzNumero(ReduzNumero(hoje.month()) + n.anoUniversal);
    n.diaUniversal = ReduzNumero(ReduzNumero(hoje.day()) + n.mesUniversal);
    n.anoPessoal = AnoPessoal(nascimento.numeroMes, nascimento.numeroDia, n.anoUniversal);
    n.mesPessoal = MesPessoal(hoje.month(), n.anoPessoal);
    n.diaPessoal = DiaPessoal(n.mesPessoal, hoje.day());
    return n;
}

NumerosNome CalculaNumerosNome(const QString &nome, int caminhoDaVida)
{
    NumerosNome n;
    n.expressao = NumeroExpressao(nome);
    n.impulsoAlma = NumeroImpulsoAlma(nome);
    n.euSilencioso = NumeroEuSilencioso(nome);
    static const QString vogais = QStringLiteral("AEIOUY");
    for (const QChar c : nome) {
        const int indice = static_cast<int>(vogais.indexOf(QChar(maiuscula(c))));
        if (indice >= 0) {
            n.primeiraVogal = vogais.at(indice);
            n.indicePrimeiraVogal = indice + 1;
            break;
        }
    }
    n.caracteristicaNome = ReduzNumero(nome.size() - nome.count(QLatin1Char(' ')));
    n.realidade = ReduzNumero(n.expressao + caminhoDaVida);
    return n;
}

QList<int> NumerosParaSaude(const NumerosNascimento &n)
{
    return {n.caminhoDaVida, n.numeroDia, n.numeroMes, n.numeroAno, n.numeroAniversario,
        n.desafioAniversario, n.presenteAniversario, n.apices[0], n.apices[1], n.apices[2],
        n.apices[3], n.primeiroDesafioMenor, n.segundoDesafioMenor, n.desafioMaior,
        n.desafioMenorAdicional};
}

QString ListaNumeros(const NumerosNascimento &nascimento)
{
    QString lista;
    for (const int numero : NumerosParaSaude(nascimento))
        lista += QLatin1Char(' ') + QString::number(numero);
    return lista;
}

QString ListaNumeros(const QString &dataNascimento)
{
    return ListaNumeros(CalculaNumerosNascimento(dataNascimento));
}

QList<int> NumerosSaude(const QList<int> &numeros)
{
    std::array<int, 10> contagem{};
    for (const int numero : numeros) {
        if (numero >= 0 && numero <= 9)
            ++contagem[numero];
    }
    int maior = 0;
    for (const int c : contagem)
        maior = std::max(maior, c);
    QList<int> saude;
    for (int digito = 0; digito <= 9 && maior > 0; ++digito) {
        if (contagem[digito] == maior)
            saude.append(digito);
    }
    return saude;
}

QList<int> NumerosSaude(const QString &listaNumeros)
{
    QList<int> numeros;
    for (const QChar c : listaNumeros) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            numeros.append(c.unicode() - u'0');
    }
    return NumerosSaude(numeros);
}

} // namespace Variaveis_Globais
