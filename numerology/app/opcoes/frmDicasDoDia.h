// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PastasVistral.h"

#include <QDialog>
#include <functional>

class CaixaMensagem;
class QCheckBox;
class QLabel;

// The tip-of-the-day dialog shown at start-up. Ticking or unticking its check box
// rewrites "dicas.inc" at once; the choice takes effect at the next start. With
// "dicas.inc" holding "N" it closes without showing itself.
class frmDicasDoDia : public QDialog
{
    Q_OBJECT
public:
    // `sorteio` gives a number 0 <= r < 1 for the draw of the tip.
    frmDicasDoDia(const PastasVistral &pastas, CaixaMensagem &caixa,
        std::function<double()> sorteio = {}, QWidget *parent = nullptr);

    int exec() override;

private:
    void chkExibeDicas_Click(bool marcado);

    PastasVistral m_pastas;
    CaixaMensagem &m_caixa;
    bool m_descarregado = false;
    QCheckBox *m_chkExibeDicas;
    QLabel *m_lblDica;
};
