#include "TraducaoQt.h"
#include "app/frmPrincipal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    instalaTraducaoQt(app);
    frmPrincipal janela(QCoreApplication::applicationDirPath());
    janela.MDIForm_Load();
    return app.exec();
}
