// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Calculos.h"

#include <QDate>
#include <QLocale>
#include <QString>

// Pieces the analyses build their reports from, each returning text with CR LF line breaks.
// The complete, partial and weekly analyses share them, so the same section reads the same
// in every report. They look texts up in the program folder and never touch a window.
namespace Relatorio {

inline const QString NL = QStringLiteral("\r\n");
inline const QString Separador = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-");

inline const QString TituloCompleto = QStringLiteral("Resultado de Análise Numerológica:");
inline const QString TituloParcial = QStringLiteral("Resultado de Análise Numerológica Parcial:");
inline const QString TituloSemanal = QStringLiteral("Resultado de Análise Numerológica Semanal:");

// "dd/mmm/yyyy" with the locale's month abbreviation cut to three letters, no full stop
// (25/dez/1970 in Brazilian Portuguese).
QString DataExtenso(QDate data, const QLocale &local = QLocale());
// The same for a typed "dd/mm/yyyy" text (empty when it is not a date).
QString DataExtenso(const QString &dataDigitada, const QLocale &local = QLocale());

// Head of a report: the title line, a blank line, name in capitals, birth date, date of the
// analysis and the line of asterisks.
QString Cabecalho(
    const QString &titulo, const QString &nome, const QString &dataNascimento, QDate hoje);

// NL, record `indice` of "CDATA.DAT", NL.
QString Introducao(int indice, const QString &pastaPrograma);

// NL, title immediately followed by the value, NL, NL, the text, NL, separator, NL.
QString SecaoPadrao(const QString &titulo, const QString &valor, const QString &texto);

// The health section: heading, explanation, one text of "INDSAUDE.DAT" per health digit
// counted over `listaNumeros` (the working text of ListaNumeros), separator.
QString SecaoSaude(const QString &listaNumeros, const QString &pastaPrograma);

// Universal year (with its introduction), month and day; then personal year (with its
// introduction), month and day. Together they are the time-dependent part of the reports.
QString SecaoAnoUniversal(int anoUniversal, const QString &pastaPrograma);
QString SecaoMesUniversal(int mesUniversal, const QString &pastaPrograma);
QString SecaoDiaUniversal(int diaUniversal, const QString &pastaPrograma);
QString SecaoAnoPessoal(int anoPessoal, const QString &pastaPrograma);
QString SecaoMesPessoal(int mesPessoal, const QString &pastaPrograma);
QString SecaoDiaPessoal(int diaPessoal, const QString &pastaPrograma);
// The six sections above, in that order.
QString SecoesDoDia(const Variaveis_Globais::NumerosDoDia &numeros, const QString &pastaPrograma);

} // namespace Relatorio
