// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Pieces the dialogs of the shell share: the banner over a dialog, and its foot: the
// "Ok" button (cmdOkay) and the maker's credit line (pnlDica).
namespace creditos {

QString LinhaDoFabricante();
QLabel *criaBanner(const QString &texto, QWidget *pai);
QLabel *criaDica(QWidget *pai);
// Adds cmdOkay and pnlDica to the bottom of `layout`; returns the button to connect.
QPushButton *criaRodape(QBoxLayout *layout, QWidget *pai);

} // namespace creditos
