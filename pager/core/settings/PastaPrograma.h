// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Tellumo's program folder, the one that holds Pager.Mdb. Beside the executable when the
// database lies there (the built tree, a copied folder). Installed, the user's data folder:
// on the first start the installed empty database is copied there, so each user keeps his own
// directory and history. A copy that fails leaves no file, and opening the database then
// fails the way a missing file always did. Tellumo.INI is not here: it lives in the
// configuration folder.
QString PastaPrograma(const QString &pastaExecutavel);
