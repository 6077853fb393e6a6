#pragma once

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
