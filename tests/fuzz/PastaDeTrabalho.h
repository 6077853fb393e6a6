// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace fuzz {

// One folder for the whole run, in memory when the machine offers /dev/shm: the targets
// that read real files pay for the file system only where it is the point.
inline QString pastaDeTrabalho()
{
    static const QTemporaryDir pasta(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/quorvane-fuzz-XXXXXX")
            : QDir::temp().filePath(QStringLiteral("quorvane-fuzz-XXXXXX")));
    return pasta.path();
}

} // namespace fuzz
