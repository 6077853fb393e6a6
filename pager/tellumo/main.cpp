// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ArquivoIni.h"
#include "core/settings/PastaPrograma.h"
#include "forms/main/Aplicacao.h"
#include "forms/main/frmPrincipal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configuraAplicacao(app);
    // Ties the windows to the installed menu entry (and its icon) on every desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("tellumo"));
    frmPrincipal::Dependencias d;
    d.pastaPrograma = PastaPrograma(QCoreApplication::applicationDirPath());
    d.pastaConfiguracao = ArquivoIni::pastaConfiguracaoPadrao();
    d.janelas = JanelasPadrao();
    frmPrincipal janela(std::move(d));
    if (!janela.Form_Load())
        return 0;
    return app.exec();
}
