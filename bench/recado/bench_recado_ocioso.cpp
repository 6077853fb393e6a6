// SPDX-License-Identifier: GPL-3.0-or-later
// recado's idle cost, in a fresh process: the dialog open and connected (to a stand-in
// server on this machine), untouched for `segundos` (default 30); counts the timer events
// of our own objects (target: none) and the processor time.
//   bench_recado_ocioso [segundos]
#include "CaixaMensagemGravada.h"
#include "ConexaoSocket.h"
#include "DialogoMensagem.h"
#include "Medida.h"
#include "Ocioso.h"
#include "Remetente.h"
#include "Servidor.h"

#include <QApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double segundos = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 30;
    QTcpServer servidor;
    if (!servidor.listen(QHostAddress(QHostAddress::LocalHost), 0))
        return 1;

    CaixaMensagemGravada caixa;
    ConexaoSocket conexao;
    Remetente remetente(conexao, caixa, Servidor{"127.0.0.1", servidor.serverPort(), "27041"});
    DialogoMensagem dialogo(remetente, caixa);
    dialogo.inicia();
    dialogo.show();
    QApplication::processEvents();

    medida::RelataOcioso(QStringLiteral("recado"), segundos, medida::MedeOcioso(segundos),
        QStringLiteral("; mensagens: %1").arg(caixa.quantidade()));
    return 0;
}
