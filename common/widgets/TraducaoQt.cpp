// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraducaoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool instalaTraducaoQt(QCoreApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto *tradutor = new QTranslator(&app);
    if (!tradutor->load(QStringLiteral("qtbase_pt_BR"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tradutor;
        return false;
    }
    QCoreApplication::installTranslator(tradutor);
    return true;
}
