// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The system's reasons (errno values and name look-up codes), in the program's language:
// the C library speaks the locale's, and a pt_BR locale is seldom installed.
namespace erroDoSistema {

QString Texto(int codigo);
// A getaddrinfo() result; `erroSistema` is errno at its return, for EAI_SYSTEM.
QString TextoDaProcura(int codigo, int erroSistema);

} // namespace erroDoSistema
