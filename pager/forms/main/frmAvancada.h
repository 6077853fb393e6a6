// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class ArquivoIni;
class QCheckBox;
class QLineEdit;

// The advanced options: PABX dialing with its line prefix, and the compose window at
// start. Loads its controls from the settings file each time it is shown; "Ok" writes
// "PrefixoPABX", "PABX" and "AutoEnviar". It validates nothing.
class frmAvancada : public QDialog
{
    Q_OBJECT
public:
    explicit frmAvancada(ArquivoIni &ini, QWidget *pai = nullptr);

    void carrega();

public Q_SLOTS:
    void cmdOkay_Click();

protected:
    void showEvent(QShowEvent *evento) override;

private:
    ArquivoIni &m_ini;
    QCheckBox *m_pabx = nullptr;
    QLineEdit *m_prefixo = nullptr;
    QCheckBox *m_autoEnviar = nullptr;
};
