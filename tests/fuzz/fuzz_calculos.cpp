// SPDX-License-Identifier: GPL-3.0-or-later
// The numerology calculations for any argument: a reduction is one digit congruent to its
// argument modulo 9 (0 only for 0); a cycle changes in a year whose personal year is 1,
// from three years before to five after birth year + k; every number of a name, a birth date text
// and a day is a single digit; the health digits are the most frequent, in ascending order.
//
// Input: 16 bytes of numbers, then name NUL birth date (texts as in fuzz::texto).
#include "Entrada.h"
#include "engine/Calculos.h"

#include <algorithm>
#include <cstring>

using namespace Variaveis_Globais;

namespace {

bool digito(int n)
{
    return n >= 0 && n <= 9;
}

template <typename T> T numero(const QByteArray &bytes, qsizetype onde)
{
    T v{};
    QByteArray pedaco = bytes.mid(onde, sizeof(T));
    pedaco.resize(sizeof(T), '\0');
    std::memcpy(&v, pedaco.constData(), sizeof(T));
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const size_t fixos = std::min<size_t>(tamanho, 16);
    const QByteArray numeros(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(fixos));
    const QList<QByteArray> p
        = QList<QByteArray>{numeros} + fuzz::partes(dados + fixos, tamanho - fixos, 2);

    const auto n = numero<qint64>(p.at(0), 0);
    const quint64 absoluto = n < 0 ? 0 - static_cast<quint64>(n) : static_cast<quint64>(n);
    const int reduzido = ReduzNumero(n);
    EXIGE(reduzido == (absoluto == 0 ? 0 : static_cast<int>(1 + (absoluto - 1) % 9)));

    const auto ano = numero<quint16>(p.at(0), 8);
    const quint8 mes = numero<quint8>(p.at(0), 12) % 10;
    const quint8 dia = numero<quint8>(p.at(0), 13) % 10;
    const quint8 k = numero<quint8>(p.at(0), 14) % 2 ? 57 : 27;
    const qint64 mudanca = AnoMudancaCiclo(ano, mes, dia, k);
    const qint64 desvio = mudanca - (static_cast<qint64>(ano) + k);
    EXIGE(desvio >= -3 && desvio <= 5);
    EXIGE(ReduzNumero(ReduzNumero(mes + dia) + ReduzNumero(mudanca)) == 1);

    const QString nome = fuzz::texto(p.at(1));
    const QString data = fuzz::texto(p.at(2));
    const NumerosNascimento nasc = CalculaNumerosNascimento(data);
    for (const int v :
        {nasc.numeroMes, nasc.numeroDia, nasc.numeroAno, nasc.caminhoDaVida, nasc.numeroAniversario,
            nasc.desafioAniversario, nasc.presenteAniversario, nasc.cicloFormativo,
            nasc.cicloProdutivo, nasc.cicloColheita, nasc.primeiroDesafioMenor,
            nasc.segundoDesafioMenor, nasc.desafioMaior, nasc.desafioMenorAdicional})
        EXIGE(digito(v));
    for (const int v : nasc.apices)
        EXIGE(digito(v));

    const NumerosNome nn = CalculaNumerosNome(nome, nasc.caminhoDaVida);
    for (const int v :
        {nn.expressao, nn.impulsoAlma, nn.euSilencioso, nn.caracteristicaNome, nn.realidade})
        EXIGE(digito(v));
    EXIGE(nn.indicePrimeiraVogal >= 0 && nn.indicePrimeiraVogal <= 6);
    EXIGE(nn.primeiraVogal.isNull() == (nn.indicePrimeiraVogal == 0));

    const QDate hoje = QDate(1900, 1, 1).addDays(numero<quint16>(p.at(0), 14) % 73000);
    const NumerosDoDia d = CalculaNumerosDoDia(nasc, hoje);
    for (const int v :
        {d.anoUniversal, d.mesUniversal, d.diaUniversal, d.anoPessoal, d.mesPessoal, d.diaPessoal})
        EXIGE(digito(v));

    const QList<int> paraSaude = NumerosParaSaude(nasc);
    EXIGE(paraSaude.size() == 15);
    const QList<int> saude = NumerosSaude(paraSaude);
    EXIGE(!saude.isEmpty());
    EXIGE(NumerosSaude(ListaNumeros(nasc)) == saude);
    for (qsizetype i = 0; i < saude.size(); ++i) {
        EXIGE(digito(saude.at(i)) && (i == 0 || saude.at(i - 1) < saude.at(i)));
        for (const int outro : paraSaude)
            EXIGE(paraSaude.count(outro) <= paraSaude.count(saude.at(i)));
    }
    return 0;
}
