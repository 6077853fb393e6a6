// SPDX-License-Identifier: GPL-3.0-or-later
// A message to a group of 50 through the paging-service simulator at 960 characters a
// second (9600 bit/s, 7E1), with Tellumo's own line, clock and directory. Prints the
// elapsed time against the least the transmission's pauses and the line speed allow, and
// Tellumo's processor time against the elapsed time.
//
// The least time: the fixed pauses of dialing, log-on, log-off and hang-up, the
// simulator's dial time (less the 0.1 s pause that runs alongside it), and, at 960
// characters a second, every character of the replies Tellumo has to wait for (OK, the
// CONNECT line, the log-on answer, each block's answer). Targets: elapsed within 10% of
// that bound, processor under 2% of the elapsed time.
#include "GrupoDeBench.h"
#include "core/line/LinhaSerialPosix.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int kMembros = 50;
constexpr double kCaracteresPorSegundo = 960.0;
constexpr double kTempoDiscagem = 0.5;

// The fixed pauses of one transmission that nothing else overlaps: after "ATE0" 0.2; after
// the dial result 0.5 + 0.1, then 0.2; log-on 1 + 1 + 0.02 + 0.01; log-off 0.05; hang-up
// 3 + 2 + 0.1.
constexpr double kPausas = 0.2 + 0.5 + 0.1 + 0.2 + 1.0 + 1.0 + 0.02 + 0.01 + 0.05 + 3.0 + 2.0 + 0.1;

// The termios line, counting the characters that answer each awaited command.
class LinhaContada : public LinhaSerialPosix
{
public:
    bool escreve(const QByteArray &bytes) override
    {
        m_aguardada = bytes.startsWith("ATE0") || bytes.startsWith("ATD")
            || bytes.startsWith("\x1bPG1") || bytes.startsWith('\x02');
        m_escritos += bytes.size();
        return LinhaSerialPosix::escreve(bytes);
    }
    QByteArray le() override
    {
        const QByteArray lido = LinhaSerialPosix::le();
        if (m_aguardada)
            m_respostas += lido.size();
        return lido;
    }
    qsizetype respostas() const { return m_respostas; }
    qsizetype escritos() const { return m_escritos; }

private:
    bool m_aguardada = false;
    qsizetype m_respostas = 0;
    qsizetype m_escritos = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    LinhaContada linha;
    const std::optional<EnvioMedido> envio = enviaAoGrupo(
        {QStringLiteral("--cps"), QStringLiteral("960"), QStringLiteral("--tempo-discagem"),
            QString::number(kTempoDiscagem * 1000)},
        false, linha, kMembros);
    if (!envio)
        return 1;
    const bool entregue = envio->entregue;
    const double segundos = envio->segundos;
    const double cpu = envio->processador;
    const qsizetype paginas = envio->paginas;
    const double linhaRespostas = static_cast<double>(linha.respostas()) / kCaracteresPorSegundo;
    const double minimo = kPausas + (kTempoDiscagem - 0.1) + linhaRespostas;
    std::printf("grupo de %d: entregue %s, %lld paginas no simulador, mensagens: %lld\n", kMembros,
        entregue ? "sim" : "nao", static_cast<long long>(paginas),
        static_cast<long long>(envio->mensagens));
    std::printf("minimo: %.3f s (pausas %.2f + discagem %.2f + %lld caracteres de resposta a "
                "960/s %.3f)\n",
        minimo, kPausas, kTempoDiscagem - 0.1, static_cast<long long>(linha.respostas()),
        linhaRespostas);
    std::printf("decorrido: %.3f s, %.1f%% acima do minimo (meta: ate 10%%)\n", segundos,
        100.0 * (segundos - minimo) / minimo);
    std::printf("processador do Tellumo: %.4f s, %.2f%% do decorrido (meta: abaixo de 2%%)\n", cpu,
        100.0 * cpu / segundos);
    std::printf("(caracteres escritos pelo Tellumo: %lld, %.3f s a 960/s numa linha real)\n",
        static_cast<long long>(linha.escritos()),
        static_cast<double>(linha.escritos()) / kCaracteresPorSegundo);
    medida::Relata(QStringLiteral("grupo de 50 pelo simulador: tempo acima do mínimo"),
        entregue && paginas == kMembros ? 100.0 * (segundos - minimo) / minimo : 1e9, "%", 10);
    medida::Relata(QStringLiteral("grupo de 50 pelo simulador: processador do Tellumo"),
        100.0 * cpu / segundos, "% do decorrido", 2);
    const bool ok
        = entregue && paginas == kMembros && segundos <= 1.1 * minimo && cpu < 0.02 * segundos;
    return ok ? 0 : 2;
}
