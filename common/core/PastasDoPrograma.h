// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a program keeps its files. In the built tree, or a folder copied from it, the data lie
// beside the executable: that folder is the program folder for everything, as it always was
// ("portable"). Installed under a prefix, the executable's folder holds no data: what the
// program only reads comes from the installed data folder, found from the executable's folder
// so that any prefix works, and what it writes goes to the user's data folder.
// It decides and names folders only; creating files in them is each program's business.
struct PastasDoPrograma
{
    QString dados; // read-only data (interpretation files, templates, help)
    QString usuario; // what the program writes
    bool instalado = false;

    // `programa` names the program's subfolder in both data folders; `marcador` is a file that
    // always lies among the program's data. Portable when the marcador lies beside the
    // executable, and also when no installation holds it either (then the program sees the
    // missing file as it always did).
    static PastasDoPrograma de(
        const QString &pastaExecutavel, const QString &programa, const QString &marcador);

    // <prefix>/share/quorvane/<programa> for an executable in <prefix>/bin.
    static QString dadosInstalados(const QString &pastaExecutavel, const QString &programa);
    // $XDG_DATA_HOME/<programa>, else ~/.local/share/<programa>.
    static QString dadosDoUsuario(const QString &programa);
};
