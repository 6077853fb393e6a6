// SPDX-License-Identifier: GPL-3.0-or-later
// Tellumo's start-up and its idle cost, in a fresh process, against the paging-service
// simulator at the line's speed (960 characters a second): the main window's start-up as
// the program runs it (splash, database, port, modem initialisation) up to " Pronto",
// split into the splash's fixed second and all the rest (target: the rest under 100 ms,
// QApplication's construction included); then the main window sits idle for
// `segundos` (default 30) and the timer events of our own objects are counted (target: none).
//   bench_pager_inicio [segundos]
#include "BancoDeTeste.h"
#include "Medida.h"
#include "Ocioso.h"
#include "ProcessoSimulador.h"
#include "core/line/RelogioReal.h"
#include "core/settings/ArquivoIni.h"
#include "forms/main/frmPrincipal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The real clock, timing the splash's pause: the first pause of the start-up.
class RelogioDoInicio : public RelogioReal
{
public:
    void espera(double segundos) override
    {
        QElapsedTimer t;
        t.start();
        RelogioReal::espera(segundos);
        if (splashMs < 0)
            splashMs = double(t.nsecsElapsed()) / 1e6;
    }
    double splashMs = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer desdeOInicio;
    desdeOInicio.start();
    QApplication app(argc, argv);
    const double aplicacaoMs = double(desdeOInicio.nsecsElapsed()) / 1e6;
    const double segundos = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 30;

    ProcessoSimulador simulador;
    if (!simulador.inicia({QStringLiteral("--cps"), QStringLiteral("960")})) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(simulador.erro()));
        return 1;
    }
    QTemporaryDir programa, configuracao;
    if (!BancoDeTeste::CriaBancoVazio(programa.path()))
        return 1;
    {
        ArquivoIni ini(configuracao.path(), QStringLiteral("Tellumo.INI"));
        ini.GravaPerfil(
            QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
    }

    RelogioDoInicio relogio;
    frmPrincipal::Dependencias d;
    d.pastaPrograma = programa.path();
    d.pastaConfiguracao = configuracao.path();
    d.relogio = &relogio;
    d.janelas = JanelasPadrao();
    QElapsedTimer ateOPronto;
    ateOPronto.start();
    frmPrincipal janela(std::move(d));
    double prontoMs = -1;
    QObject::connect(&janela, &frmPrincipal::statusAlterado, [&](const QString &texto) {
        const double agora = double(ateOPronto.nsecsElapsed()) / 1e6;
        std::printf("%8.1f ms  %s\n", agora, qPrintable(texto));
        if (texto == QStringLiteral(" Pronto") && prontoMs < 0)
            prontoMs = agora;
    });
    if (!janela.Form_Load() || prontoMs < 0) {
        std::fprintf(stderr, "o início não chegou a \" Pronto\"\n");
        return 1;
    }
    const double trabalhoMs = aplicacaoMs + prontoMs - relogio.splashMs;
    std::printf("início: QApplication %.1f ms, até \" Pronto\" %.1f ms, dos quais a tela de "
                "abertura %.1f ms; trabalho %.1f ms\n",
        aplicacaoMs, prontoMs, relogio.splashMs, trabalhoMs);

    medida::Relata(
        QStringLiteral("Tellumo: tela de abertura (1 s fixo)"), relogio.splashMs, "ms", 1100);
    medida::Relata(QStringLiteral("Tellumo: início até \" Pronto\", sem a tela de abertura"),
        trabalhoMs, "ms", 100);
    medida::RelataOcioso(QStringLiteral("Tellumo"), segundos, medida::MedeOcioso(segundos));
    return 0;
}
