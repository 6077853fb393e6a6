// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QStyle>
#include <functional>

class QLineEdit;
class QToolButton;

// The multi-line text box of the register and compose windows: holds at most `maximo`
// characters and only characters that Windows-1252 can hold, because the settings file,
// the log and the modem line carry nothing else. A key or a paste that would break either
// rule is refused with a beep (a paste longer than the room left is cut to fit). Each
// typed character may be changed first (the compose window folds accents); pasted text is
// never changed. Tab moves the focus, as in the other boxes. Text set by the program is
// not checked.
class CaixaDeTextoMultilinha : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CaixaDeTextoMultilinha(int maximo, QWidget *pai = nullptr);

    int maximo() const { return m_maximo; }
    void defineTrocaDoDigitado(std::function<QChar(QChar)> troca) { m_troca = std::move(troca); }

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    bool canInsertFromMimeData(const QMimeData *origem) const override;
    void insertFromMimeData(const QMimeData *origem) override;
    void inputMethodEvent(QInputMethodEvent *evento) override;

private:
    // Characters still allowed in place of the current selection.
    qsizetype espacoLivre() const;
    // The text as it would enter the box, or a null text when it must be refused.
    QString aceitavel(const QString &entrada, bool digitado) const;

    int m_maximo;
    std::function<QChar(QChar)> m_troca;
};

// A one-line box refuses, with a beep, every edit by the user that would leave a character
// Windows-1252 cannot hold (typed, pasted or dropped); its maximum length stays the box's.
void AceitaSoCp1252(QLineEdit *linha);

// A picture button whose only text is its tool tip.
QToolButton *CriaBotaoFigura(
    const QString &nome, const QString &dica, QStyle::StandardPixmap figura, QWidget *pai);
