// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemQt.h"
#include "ConexaoSocket.h"
#include "DialogoMensagem.h"
#include "Figuras.h"
#include "Remetente.h"
#include "Servidor.h"
#include "TraducaoQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    instalaTraducaoQt(app);
    // Ties the windows to the installed menu entry (and its icon) on every desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("recado"));
    app.setWindowIcon(iconeRecado());

    CaixaMensagemQt caixa;
    ConexaoSocket conexao;
    Remetente remetente(conexao, caixa, servidorPadrao());
    DialogoMensagem dialogo(remetente, caixa);
    QObject::connect(&dialogo, &QDialog::finished, &app, &QCoreApplication::quit);
    // The window first: connecting may take as long as the server keeps us waiting.
    dialogo.show();
    dialogo.inicia();
    return app.exec();
}
