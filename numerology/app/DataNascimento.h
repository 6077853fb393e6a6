// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The check the input dialog runs on the birth date box: the text, slashes included and
// unfilled positions shown as "_", must be an existing calendar date written "dd/mm/yyyy" with
// four year digits (31/02/1999 and "25/12/70__" are refused).
bool DataNascimentoValida(const QString &texto);
