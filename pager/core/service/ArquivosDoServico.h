// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the paging service finds its files. Installed (see PastasDoPrograma), it is a system
// service: settings in /etc/tellumo/servico.ini, directory in /var/lib/tellumo/Pager.Mdb (made
// from the installed empty one at the first start). In the built tree, or a folder copied from
// it, both lie beside the executable, as Tellumo's do. `--config` names another settings file.
struct ArquivosDoServico
{
    QString ini; // the settings file (it may be missing: every key has a default)
    QString bancoPadrao; // the Pager.Mdb when [BANCO] names none
    QString modeloDoBanco; // the empty directory copied to a missing bancoPadrao; may be empty

    static ArquivosDoServico De(const QString &pastaExecutavel, const QString &config = {});

    // Copies modeloDoBanco to a missing `banco` (readable by the service's user only); true
    // when `banco` is there afterwards.
    bool PreparaBanco(const QString &banco) const;
};
