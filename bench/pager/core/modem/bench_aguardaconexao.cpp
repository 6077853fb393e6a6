// SPDX-License-Identifier: GPL-3.0-or-later
// How much processor a 60-second wait for a dial result costs when the modem never answers:
// the real termios line on a pseudo-terminal whose other end stays silent, the real clock
// and its event loop. Prints the processor time (user + system, getrusage) against the
// elapsed time; the wait must stay well under 1% of one core.
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "core/line/LinhaSerialPosix.h"
#include "core/line/RelogioReal.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/ArquivoIni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

class StatusMudo : public PainelStatus
{
public:
    void mostraStatus(const QString &) override { }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int mestre = -1, escravo = -1;
    char nome[128] = {};
    termios cru{};
    ::cfmakeraw(&cru);
    if (::openpty(&mestre, &escravo, nome, &cru, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    ::close(escravo);

    QTemporaryDir pasta;
    ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
    LinhaSerialPosix linha;
    RelogioReal relogio;
    CaixaMensagemGravada caixa;
    StatusMudo status;
    Modulo modulo(ini, linha, relogio, caixa, status);
    if (!linha.abre(QString::fromLocal8Bit(nome), QStringLiteral("9600,e,7,1"))) {
        std::fprintf(stderr, "%s\n", qPrintable(linha.erro()));
        return 1;
    }

    const double cpuAntes = medida::ProcessadorMs();
    QElapsedTimer decorrido;
    decorrido.start();
    const int codigo = modulo.AguardaConexao();
    const double segundos = double(decorrido.nsecsElapsed()) / 1e9;
    const double cpu = (medida::ProcessadorMs() - cpuAntes) / 1000.0;

    std::printf("AguardaConexao sem resposta: codigo %d\n", codigo);
    std::printf("decorrido %.3f s, processador %.4f s, %.4f%% de um nucleo\n", segundos, cpu,
        100.0 * cpu / segundos);
    medida::Relata(QStringLiteral("AguardaConexao, 60 s sem resposta: processador"),
        100.0 * cpu / segundos, "% de um núcleo", 1);
    ::close(mestre);
    return codigo == -1 && cpu / segundos < 0.01 ? 0 : 2;
}
