// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Modulo;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modem dialog: port COM 1..4, tone or pulse, the user's area code. "Ok" writes what is
// chosen ("Porta Serial", "Linha", "Prefixo"; empty for an unchosen group) and sets
// NumeroPorta; it validates nothing and neither opens nor closes the port. As designed
// nothing is preselected; preseleciona() fills it from the settings file (the menu command).
class frmConfigModem : public QDialog
{
    Q_OBJECT
public:
    explicit frmConfigModem(Modulo &modulo, QWidget *pai = nullptr);

    // Port and line options from the file ("Linha" defaulting to "Tom"), prefix default "011".
    void preseleciona();

public Q_SLOTS:
    void cmdOkay_Click();

private:
    Modulo &m_modulo;
    QRadioButton *m_com[4]{};
    QRadioButton *m_tom = nullptr;
    QRadioButton *m_pulso = nullptr;
    QLineEdit *m_prefixo = nullptr;
};
