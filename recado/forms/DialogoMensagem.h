// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

class CaixaMensagem;
class CursorOcupado;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Remetente;

// The program's one window: the text, "&Enviar", "&Cancelar" and the picture. It wires
// the keys and the length limit; connecting, checking and sending belong to the
// Remetente. Finishing the dialog (sent, cancelled, Escape, close box) ends the program.
class DialogoMensagem : public QDialog
{
    Q_OBJECT

public:
    DialogoMensagem(Remetente &remetente, CaixaMensagem &caixa, QWidget *pai = nullptr);
    ~DialogoMensagem() override;

    // Starts connecting to the server and returns at once: the dialog answers the user
    // meanwhile, under the busy pointer. "&Enviar" is enabled once connected; without a
    // connection it stays disabled, after the failure's messages.
    void inicia();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void done(int resultado) override;

private:
    void recusaForaDoCp1252();
    void aoMudarTexto();
    void aoEnviar();
    void aoEnter(QObject *origem);

    Remetente &m_remetente;
    CaixaMensagem &m_caixa;
    QPlainTextEdit *m_texto;
    QPushButton *m_enviar;
    QPushButton *m_cancelar;
    QLabel *m_figura;
    std::unique_ptr<CursorOcupado> m_conectando; // while the connection is being opened
};
