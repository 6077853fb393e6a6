// Opens the history of all messages on a log of 100 000 rows, each with the longest name
// and message a row can hold, and reports how long the window took to open (until its
// first screen is painted) and how much memory the program holds. The verdict on time is
// given on processor time, which the other programs of a busy machine do not inflate; on
// an idle machine the wall clock is close to it. Run by hand:
//   build/bench/pager/directory/bench_pager_historico
// (without a display it uses the offscreen platform).
#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "directory/BancoDeDados.h"
#include "directory/Diretorio.h"
#include "directory/Historico.h"
#include "directory/frmHistorico.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kLinhas = 100000;
constexpr int kUsuarios = 1000;

bool Povoa(QSqlDatabase db)
{
    db.transaction();
    QSqlQuery l(db);
    l.prepare(QStringLiteral("INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, "
                             "ID_Usuario) VALUES (?, ?, ?, ?, ?, ?)"));
    const QString mensagem = QStringLiteral("Mensagem de teste ").repeated(14).left(240);
    for (int i = 0; i < kLinhas; ++i) {
        const int usuario = 1 + (i * 13) % kUsuarios;
        l.bindValue(
            0, QDate(2016, 1, 1).addDays((i * 7) % 3650).toString(QStringLiteral("yyyyMMdd")));
        l.bindValue(1,
            QStringLiteral("%1:%2")
                .arg(i % 24, 2, 10, QLatin1Char('0'))
                .arg(i % 60, 2, 10, QLatin1Char('0')));
        l.bindValue(2, QStringLiteral("Usuário %1").arg(usuario).leftJustified(50));
        l.bindValue(3, mensagem);
        l.bindValue(4, QString::number(5550000 + usuario));
        l.bindValue(5, usuario);
        if (!l.exec()) {
            std::fprintf(stderr, "falhou: %s\n", qPrintable(l.lastError().text()));
            return false;
        }
    }
    return db.commit();
}

// Resident memory of this process now and at its peak, in MB.
void Memoria(double &atual, double &pico)
{
    atual = pico = -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &linha : status.readAll().split('\n')) {
        const QList<QByteArray> partes = linha.simplified().split(' ');
        if (partes.size() < 2)
            continue;
        if (partes[0] == "VmRSS:")
            atual = partes[1].toDouble() / 1024;
        else if (partes[0] == "VmHWM:")
            pico = partes[1].toDouble() / 1024;
    }
}

// Processor time of this process, in milliseconds: on a shared machine the wall clock
// also counts the time other programs held the processor.
double Processador()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Opens one history window and waits until it is painted; answers the milliseconds of
// wall clock, and in `cpu` those of processor time.
double Abre(
    QMdiArea &area, CaixaMensagem &caixa, std::optional<int> idUsuario, int &linhas, double &cpu)
{
    const double cpuAntes = Processador();
    QElapsedTimer relogio;
    relogio.start();
    frmHistorico *janela = ExibeHistorico(&area, caixa, idUsuario);
    QApplication::processEvents();
    if (janela)
        janela->grdGride()->viewport()->repaint();
    linhas = janela ? janela->grdGride()->model()->rowCount() : 0;
    cpu = Processador() - cpuAntes;
    return relogio.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BancoTemporario banco;
    if (!banco.Aberto()) {
        std::fprintf(stderr, "banco não criado: %s\n", qPrintable(banco.Erro()));
        return 1;
    }
    if (!Povoa(BancoDeDados()))
        return 1;

    QMdiArea area;
    area.resize(1024, 700);
    area.show();
    QApplication::processEvents();
    CaixaMensagemGravada caixa;
    double antes = 0, picoAntes = 0;
    Memoria(antes, picoAntes);
    std::printf("%d linhas de log; memória antes de abrir: %.1f MB\n", kLinhas, antes);

    // The share of the read itself: the directory's snapshot of every row.
    {
        const double cpuAntes = Processador();
        QElapsedTimer relogio;
        relogio.start();
        Diretorio diretorio;
        const std::optional<Instantaneo> log = diretorio.ListaLog();
        std::printf("leitura do log (instantâneo): %lld ms, %.0f ms de processador\n",
            relogio.elapsed(), Processador() - cpuAntes);
    }

    int linhas = 0;
    double cpu = 0;
    const double todas = Abre(area, caixa, std::nullopt, linhas, cpu);
    double atual = 0, pico = 0;
    Memoria(atual, pico);
    std::printf("todas as mensagens: %d linhas em %.0f ms, %.0f ms de processador (limite 1000 "
                "ms) %s\n",
        linhas, todas, cpu, cpu < 1000 && linhas == kLinhas ? "ok" : "ACIMA DO LIMITE");
    std::printf("memória com a janela aberta: %.1f MB, pico %.1f MB (limite 200 MB) %s\n", atual,
        pico, pico < 200 ? "ok" : "ACIMA DO LIMITE");

    const double umUsuario = Abre(area, caixa, 77, linhas, cpu);
    std::printf("um usuário: %d linhas em %.0f ms\n", linhas, umUsuario);
    const double segunda = Abre(area, caixa, std::nullopt, linhas, cpu);
    Memoria(atual, pico);
    std::printf(
        "segunda janela de todas: %.0f ms; memória com três janelas: %.1f MB, pico %.1f MB\n",
        segunda, atual, pico);
    FechaBancoDeDados();
    return 0;
}
