#pragma once

#include <QDialog>

class CaixaMensagem;
class QCheckBox;
class QFileDialog;
class QLineEdit;

// The options dialog: tip of the day at start, Internet resources, and the word
// processor's path (changed only through the file dialog). "O&k" rewrites
// "Vistral.Dat", "dicas.inc" and "enableit.dat", in this order, and accepts; the close
// box discards every change. The caller takes the new values from it after "O&k".
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
