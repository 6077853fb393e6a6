// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// The two rules of the compose window's text box that act on what the operator types:
// the folding of accented letters and the "=ANTERIOR" recall word. Pure functions, so the
// window only decides when to apply them (typed keys only, never pasted or recalled text).
namespace digitacao {

// The character as it reaches the message when it is typed: the accented letters of the
// folding table become their plain letter, case kept; every other character passes
// unchanged (À, Â, Ê, Ô, ô and Ü among them).
QChar DobraCaractereDigitado(QChar c);

// True when the whole text, in any case, is the recall word "=ANTERIOR" (nothing before
// or after it, not even a blank).
bool PedeMensagemAnterior(const QString &texto);

} // namespace digitacao
