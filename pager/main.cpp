#include "shell/Aplicacao.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configuraAplicacao(app);
    QMainWindow janela;
    janela.setWindowTitle(QStringLiteral("Tellumo 1.0"));
    janela.show();
    return app.exec();
}
