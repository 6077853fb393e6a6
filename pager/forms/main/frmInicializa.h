// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Modulo;

// The splash window: the program's name and version and the maker's logo, above every
// other window. It does not close itself; the start-up closes it.
class frmInicializa : public QWidget
{
    Q_OBJECT
public:
    explicit frmInicializa(QWidget *pai = nullptr);

    // Shows itself on top and pauses one second (window events keep flowing).
    void Form_Load(Modulo &modulo);
};
