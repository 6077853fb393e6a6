#include "Aplicacao.h"

#include "TraducaoQt.h"

#include <QApplication>

void configuraAplicacao(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Tellumo"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    instalaTraducaoQt(app);
}
