// SPDX-License-Identifier: GPL-3.0-or-later
// The paging-service simulator: a Hayes modem and a TAP paging terminal on a pseudo-terminal,
// and with --tcp the same terminal as a TAP gateway on a loopback TCP port. Prints the
// terminal's path on the first line of its output (the gateway's "tcp:127.0.0.1:PORT" on
// the second) and runs until signalled or until its time limit; see --help.
#include "GatewayTcp.h"
#include "LacoSimulador.h"
#include "ModemHayes.h"
#include "OpcoesSimulador.h"
#include "Pseudoterminal.h"
#include "RegistroEventos.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const LeituraOpcoes leitura = leOpcoes(app.arguments());
    if (!leitura.opcoes) {
        std::fputs(
            qPrintable(leitura.mensagem + QLatin1Char('\n')), leitura.erro ? stderr : stdout);
        return leitura.erro ? 2 : 0;
    }
    const OpcoesSimulador &opcoes = *leitura.opcoes;

    RegistroArquivo registro;
    if (!opcoes.log.isEmpty() && !registro.abre(opcoes.log)) {
        std::fprintf(
            stderr, "simulador: %s: %s\n", qPrintable(opcoes.log), qPrintable(registro.erro()));
        return 1;
    }
    Pseudoterminal pty;
    QString erro;
    if (!pty.abre(erro) || (!opcoes.link.isEmpty() && !pty.criaLink(opcoes.link, erro))) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(erro));
        return 1;
    }
    GatewayTcp gateway(opcoes, registro);
    if (opcoes.portaTcp >= 0 && !gateway.abre(opcoes.portaTcp, erro)) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(erro));
        return 1;
    }
    std::printf("%s\n", qPrintable(pty.caminho()));
    QJsonObject inicio{{QStringLiteral("evento"), QStringLiteral("inicio")},
        {QStringLiteral("pty"), pty.caminho()}};
    if (opcoes.portaTcp >= 0) {
        std::printf("%s\n", qPrintable(gateway.endereco()));
        inicio.insert(QStringLiteral("tcp"), gateway.endereco());
    }
    std::fflush(stdout);
    registro.anota(inicio);

    ModemHayes modem(opcoes, registro);
    LacoSimulador laco(
        pty.descritor(), modem, opcoes.tempoLimiteS, opcoes.portaTcp >= 0 ? &gateway : nullptr);
    const char *motivo = laco.executa();
    registro.anota({{QStringLiteral("evento"), QStringLiteral("fim")},
        {QStringLiteral("motivo"), QString::fromLatin1(motivo)}});
    return qstrcmp(motivo, "erro") == 0 ? 1 : 0;
}
