// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraducaoQt.h"
#include "app/PastasVistral.h"
#include "app/frmPrincipal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    instalaTraducaoQt(app);
    // Ties the windows to the installed menu entry (and its icon) on every desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("vistral"));
    frmPrincipal janela(PastasVistral::doExecutavel(QCoreApplication::applicationDirPath()));
    janela.MDIForm_Load();
    return app.exec();
}
