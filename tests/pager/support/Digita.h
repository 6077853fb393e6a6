// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTest>

// Types a text key by key as the operator would, accented and other non-ASCII characters
// included (QTest::keyClicks takes ASCII only).
inline void Digita(QWidget *alvo, const QString &texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 0x80)
            QTest::keyClick(alvo, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, alvo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types a letter made with a dead key or an input method: the system hands it over as the
// commit of a composition, not as a key.
inline void Compoe(QWidget *alvo, const QString &letra)
{
    QInputMethodEvent evento;
    evento.setCommitString(letra);
    QCoreApplication::sendEvent(alvo, &evento);
}
