// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CaixaMensagem;
class QTextBrowser;

// Vistral's help window: shows "Vistral.html" of the program folder in a browser of its
// own, beside the main window, without blocking it. One window at a time: opening the
// help again brings the open one forward.
class frmAjuda : public QWidget
{
    Q_OBJECT
public:
    // Opens (or brings forward) the help window; tells the user and returns nullptr when
    // the help file is missing.
    static frmAjuda *abre(
        const QString &pastaPrograma, CaixaMensagem &caixa, QWidget *parent = nullptr);

private:
    frmAjuda(const QString &arquivo, QWidget *parent);

    QTextBrowser *m_txtAjuda;
};
