// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// Portuguese alphabetical order, as a person reads a list of names: case and accents do
// not split it ("Álvaro", "ana", "Ângela", "Bruno", "carla"). Texts compare by their base
// letters first; where those agree, the accents decide, then the case (small letter
// first), and at last the bytes, so two different texts never compare equal and every
// sort gives one order. Letters are those Windows-1252 can hold (the text boxes take
// nothing else): "ß", "æ", "œ" and "þ" count as "ss", "ae", "oe" and "th"; blanks and
// signs come before digits, digits before letters, any other character after them.
//
// The directory sorts with it inside the engine: every connection gets the collation
// (RegistraNaConexao) and the statements name it in their ORDER BY, so the windows walk
// rows that are already in order. Lists the program sorts itself use the same comparison,
// so two lists of one window never disagree. A table lookup per character keeps a sort of
// 50 000 names cheap; it deliberately knows no language rules beyond these letters.
namespace ordem {

// The names under which the comparisons are known to the engine, for "COLLATE <name>".
// Statements take them from here only, so another engine's collation can take their place.
QString Alfabetica();
QString SemCaixa();

// <0, 0, >0 as `a` sorts before, with or after `b` (UTF-8 texts).
int Compara(QByteArrayView a, QByteArrayView b);

// Compares as the duplicate checks of names and pager codes do: small and capital letters
// are the same ("Vendas" = "vendas", "ção" = "ÇÃO"), accents and everything else count.
int ComparaSemCaixa(QByteArrayView a, QByteArrayView b);

// Sorts `textos` in alphabetical order.
void Ordena(QStringList &textos);

// Teaches the connection both collations; true at once for an engine that needs none.
// False when the engine refused (the statements would then fail).
bool RegistraNaConexao(const QSqlDatabase &banco);

} // namespace ordem
