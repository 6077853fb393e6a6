// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>

// Vistral's folders. Beside the executable (the built tree, a copied folder) one program
// folder holds everything, as it always did. Installed, the interpretation files, the tips and
// the help are read from the installed data folder, and the one-line settings files
// ("Vistral.Dat", "dicas.inc", "enableit.dat") live in the user's data folder, where the
// start-up makes them as on any first run.
struct PastasVistral
{
    // One program folder for everything.
    PastasVistral(const QString &pastaPrograma) // NOLINT(google-explicit-constructor)
        : dados(pastaPrograma)
        , usuario(pastaPrograma)
    { }
    PastasVistral(QString pastaDados, QString pastaUsuario)
        : dados(std::move(pastaDados))
        , usuario(std::move(pastaUsuario))
    { }

    QString dados; // interpretation files, tips, help: only read
    QString usuario; // the settings files

    // The folders for the executable in `pastaExecutavel`; creates the user's folder when
    // installed.
    static PastasVistral doExecutavel(const QString &pastaExecutavel);
};
