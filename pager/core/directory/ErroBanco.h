// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlError>
#include <QString>

// Portuguese texts for the message box a window shows when the directory fails after
// start-up (file gone, write-protected, disk full, locked by another program, damaged).
// It only words the failure; showing it is the window's business.
namespace ErroBanco {

enum class Acesso { Leitura, Gravacao };

// Why a statement failed, from the engine's error.
QString Texto(const QSqlError &erro, const QString &driver, Acesso acesso);

// The database file is no longer where it was opened.
QString ArquivoAusente(const QString &caminho, Acesso acesso);

// The server connection was lost and could not be opened again yet.
QString LigacaoPerdida(Acesso acesso);

// No connection is open.
QString NaoAberto(Acesso acesso);

// The row to act on is gone: another operator removed it since the window read it.
QString UsuarioRemovido();
QString GrupoRemovido();

} // namespace ErroBanco
