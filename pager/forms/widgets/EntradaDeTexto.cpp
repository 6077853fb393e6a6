// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntradaDeTexto.h"

#include "Cp1252.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <algorithm>
#include <memory>

CaixaDeTextoMultilinha::CaixaDeTextoMultilinha(int maximo, QWidget *pai)
    : QPlainTextEdit(pai)
    , m_maximo(maximo)
{
    setTabChangesFocus(true);
}

qsizetype CaixaDeTextoMultilinha::espacoLivre() const
{
    return m_maximo - (toPlainText().size() - textCursor().selectedText().size());
}

QString CaixaDeTextoMultilinha::aceitavel(const QString &entrada, bool digitado) const
{
    QString texto = entrada;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (digitado && m_troca) {
        for (QChar &c : texto)
            c = m_troca(c);
    }
    if (texto.isEmpty() || !cp1252::representavel(texto))
        return {};
    const qsizetype livre = espacoLivre();
    if (livre <= 0 || (digitado && texto.size() > livre))
        return {};
    return texto.left(livre);
}

void CaixaDeTextoMultilinha::keyPressEvent(QKeyEvent *evento)
{
    const QString texto = evento->text();
    const bool insere = !texto.isEmpty() && !(evento->modifiers() & Qt::ControlModifier)
        && std::all_of(texto.cbegin(), texto.cend(), [](QChar c) {
               return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isPrint();
           });
    if (!insere) {
        QPlainTextEdit::keyPressEvent(evento);
        return;
    }
    const QString aceito = aceitavel(texto, true);
    if (aceito.isNull()) {
        evento->accept();
        QApplication::beep();
        return;
    }
    // A line break typed stays the key itself so the box handles it as Enter.
    const bool quebra = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (quebra || aceito == texto) {
        QPlainTextEdit::keyPressEvent(evento);
        return;
    }
    QKeyEvent trocado(evento->type(), evento->key(), evento->modifiers(), aceito,
        evento->isAutoRepeat(), static_cast<ushort>(evento->count()));
    QPlainTextEdit::keyPressEvent(&trocado);
    evento->setAccepted(trocado.isAccepted());
}

bool CaixaDeTextoMultilinha::canInsertFromMimeData(const QMimeData *origem) const
{
    return origem->hasText();
}

void CaixaDeTextoMultilinha::insertFromMimeData(const QMimeData *origem)
{
    if (!origem->hasText())
        return;
    const QString aceito = aceitavel(origem->text(), false);
    if (aceito.isNull()) {
        QApplication::beep();
        return;
    }
    textCursor().insertText(aceito);
    ensureCursorVisible();
}

void CaixaDeTextoMultilinha::inputMethodEvent(QInputMethodEvent *evento)
{
    const QString texto = evento->commitString();
    if (texto.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(evento);
        return;
    }
    const QString aceito = aceitavel(texto, true);
    if (aceito.isNull()) {
        // Composed characters are refused whole; the preedit text is dropped with them.
        QInputMethodEvent vazio;
        QPlainTextEdit::inputMethodEvent(&vazio);
        QApplication::beep();
        return;
    }
    if (aceito == texto) {
        QPlainTextEdit::inputMethodEvent(evento);
        return;
    }
    // A letter made with a dead key is typed all the same: it changes as a key would.
    QInputMethodEvent trocado(evento->preeditString(), evento->attributes());
    trocado.setCommitString(aceito, evento->replacementStart(), evento->replacementLength());
    QPlainTextEdit::inputMethodEvent(&trocado);
    evento->setAccepted(trocado.isAccepted());
}

void AceitaSoCp1252(QLineEdit *linha)
{
    auto aceito = std::make_shared<QString>(linha->text());
    QObject::connect(linha, &QLineEdit::textChanged, linha, [aceito](const QString &texto) {
        if (cp1252::representavel(texto))
            *aceito = texto;
    });
    QObject::connect(linha, &QLineEdit::textEdited, linha, [linha, aceito](const QString &texto) {
        if (cp1252::representavel(texto))
            return;
        const int recuo = static_cast<int>(texto.size() - aceito->size());
        const int posicao = linha->cursorPosition() - recuo;
        linha->setText(*aceito);
        linha->setCursorPosition(qBound(0, posicao, static_cast<int>(aceito->size())));
        QApplication::beep();
    });
}

QToolButton *CriaBotaoFigura(
    const QString &nome, const QString &dica, QStyle::StandardPixmap figura, QWidget *pai)
{
    auto *botao = new QToolButton(pai);
    botao->setObjectName(nome);
    botao->setToolTip(dica);
    botao->setAccessibleName(dica);
    botao->setIcon(botao->style()->standardIcon(figura));
    botao->setIconSize(QSize(32, 32));
    botao->setAutoRaise(false);
    botao->setFocusPolicy(Qt::StrongFocus);
    return botao;
}
