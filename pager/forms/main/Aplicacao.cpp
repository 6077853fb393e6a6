// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aplicacao.h"

#include "Icones.h"
#include "TraducaoQt.h"

#include <QApplication>

void configuraAplicacao(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Tellumo"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    instalaTraducaoQt(app);
    // Every window without a picture of its own, the history windows among them, shows the logo.
    QApplication::setWindowIcon(QIcon(icones::Logotipo(64)));
}
