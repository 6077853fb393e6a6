// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemQt.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

CaixaMensagem::Resposta CaixaMensagemQt::mostra(
    const QString &titulo, const QString &texto, Icone icone, Botoes botoes)
{
    QMessageBox::Icon qicone = QMessageBox::NoIcon;
    switch (icone) {
    case Icone::Nenhum: qicone = QMessageBox::NoIcon; break;
    case Icone::Critico: qicone = QMessageBox::Critical; break;
    case Icone::Exclamacao: qicone = QMessageBox::Warning; break;
    case Icone::Informacao: qicone = QMessageBox::Information; break;
    case Icone::Pergunta: qicone = QMessageBox::Question; break;
    }
    QWidget *pai = m_pai ? m_pai.data() : QApplication::activeWindow();
    // What the user typed is shown as typed: "<b>" stays brackets, never bold. The label
    // breaks lines only at LF, so a CR LF pair or a lone CR becomes one LF.
    QString linhas = texto;
    linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    linhas.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox caixa(qicone, titulo, linhas, QMessageBox::NoButton, pai);
    caixa.setTextFormat(Qt::PlainText);
    if (botoes == Botoes::SimNao) {
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caixa.setDefaultButton(QMessageBox::Yes);
        // The pointer may be the hourglass while a question waits: show the arrow over the box.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const int r = caixa.exec();
        QApplication::restoreOverrideCursor();
        return r == QMessageBox::Yes ? Resposta::Sim : Resposta::Nao;
    }
    caixa.setStandardButtons(QMessageBox::Ok);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    caixa.exec();
    QApplication::restoreOverrideCursor();
    return Resposta::Ok;
}
