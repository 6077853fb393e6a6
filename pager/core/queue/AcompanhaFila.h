// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QFileSystemWatcher;
class QSqlDriver;

// Tells when the queue may have changed, without asking the database over and over: a
// server's notice FilaDePaginas::kAviso on the program's connection, or a change of the
// file (and of its write-ahead log). A burst of changes (a service draining the queue)
// gives one Mudou() a moment after it began. It listens only while it lives: the window
// that follows the queue owns one, and nothing wakes Tellumo once it is closed.
class AcompanhaFila : public QObject
{
    Q_OBJECT
public:
    // Watches the directory open on the program's connection (BancoDeDados) as it is now.
    explicit AcompanhaFila(QObject *pai = nullptr);
    ~AcompanhaFila() override;

    // True when something is listened to (a server that took the subscription, a file).
    bool Ativo() const;

Q_SIGNALS:
    void Mudou();

private:
    void Agenda();

    QTimer espera_;
    QPointer<QSqlDriver> inscrito_; // subscribed by this object, to unsubscribe
    bool ouvindo_ = false;
    QFileSystemWatcher *vigia_ = nullptr;
};
