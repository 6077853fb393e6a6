// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CaixaMensagem;
class QCheckBox;
class QFileDialog;
class QLineEdit;

// The options dialog: tip of the day at start, Internet resources, and the word
// processor's path (changed only through the file dialog). "O&k" rewrites
// "Vistral.Dat", "dicas.inc" and "enableit.dat", all three or none, and accepts; when
// they cannot be written it says so and stays open. The close box discards every change.
class frmOpcoes : public QDialog
{
    Q_OBJECT
public:
    frmOpcoes(const QString &pastaPrograma, const QString &caminhoWord, CaixaMensagem &caixa,
        QWidget *parent = nullptr);

    QString caminhoWord() const;
    bool usarInternet() const;

private:
    void cmdAlterarMicroWord_Click();
    void cmdRetornar_Click();

    QString m_pasta;
    CaixaMensagem &m_caixa;
    QCheckBox *m_chkDicas;
    QCheckBox *m_chkInternet;
    QLineEdit *m_txtDiretorioWord;
    QFileDialog *m_cmmDialogo;
};
