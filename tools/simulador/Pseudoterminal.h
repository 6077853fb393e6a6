// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pseudo-terminal pair the simulator sits on: it keeps the controlling side for itself and
// offers the terminal side (a /dev/pts path) to the program under test. It holds the terminal
// side open too, so that the line stays up between the client's opens and closes, and puts it
// in raw mode so that no byte is translated on the way. Linux/POSIX only.
class Pseudoterminal
{
public:
    Pseudoterminal() = default;
    ~Pseudoterminal();
    Pseudoterminal(const Pseudoterminal &) = delete;
    Pseudoterminal &operator=(const Pseudoterminal &) = delete;

    bool abre(QString &erro);
    int descritor() const { return mestre; }
    QString caminho() const { return caminhoEscravo; }

    // Places a symbolic link to the terminal side; an existing link there is replaced, any
    // other file is left alone and the call fails.
    bool criaLink(const QString &link, QString &erro);
    // Removes the link when it still points at this terminal.
    void removeLink();

private:
    int mestre = -1;
    int escravo = -1;
    QString caminhoEscravo;
    QString linkCriado;
};
