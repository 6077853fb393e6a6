// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Tellumo's program-wide names: the settings file, the caption parts and the database file.
namespace programa {

inline QString ArquivoINI()
{
    return QStringLiteral("Tellumo.INI");
}
inline QString NomePrograma()
{
    return QStringLiteral("Tellumo");
}
inline QString VersaoPrograma()
{
    return QStringLiteral("1.0");
}
inline QString ArquivoBanco()
{
    return QStringLiteral("Pager.Mdb");
}
// The idle text of the status line.
inline QString Pronto()
{
    return QStringLiteral(" Pronto");
}

} // namespace programa
