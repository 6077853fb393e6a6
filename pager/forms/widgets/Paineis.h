// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace paineis {

// The footer of the groups windows and the about box: the arrow picture
// (`imgSetaApontaDica`) pointing at the maker's line (`pnlDica`).
QWidget *CriaDicaComSeta(const QString &texto, QWidget *pai);

// The sunken panel where the users view and the groups window describe the chosen entry,
// `linhas` lines high, as wide as the users view. It shows the operator's text as typed,
// never as markup ("<b>x</b>" keeps its brackets).
QLabel *CriaPainelDeDescricao(int linhas, QWidget *pai);

} // namespace paineis
