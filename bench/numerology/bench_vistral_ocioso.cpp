// SPDX-License-Identifier: GPL-3.0-or-later
// Vistral's idle cost, in a fresh process: the main window open after its start-up,
// untouched for `segundos` (default 30); counts the timer events of our own objects
// (target: none) and the processor time.
//   bench_vistral_ocioso [segundos]
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "Ocioso.h"
#include "app/frmPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double segundos = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 30;
    QTemporaryDir pasta;
    // Settings present, as on every start after the first: no question, no tip.
    QFile internet(QDir(pasta.path()).filePath(QStringLiteral("enableit.dat")));
    if (!internet.open(QIODevice::WriteOnly) || internet.write("N\r\n") != 3)
        return 1;
    internet.close();

    CaixaMensagemGravada caixa;
    frmPrincipal janela(pasta.path(), &caixa);
    janela.MDIForm_Load();
    QApplication::processEvents();

    medida::RelataOcioso(QStringLiteral("Vistral"), segundos, medida::MedeOcioso(segundos),
        QStringLiteral("; mensagens: %1").arg(caixa.quantidade()));
    return 0;
}
