// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The real tellumo-servico, run by a benchmark as a child process on a directory file of its
// own ("Pager.Mdb" in a temporary folder, made from the repository's schema), and what the
// kernel says it costs: /proc/PID figures summed over all its threads, read from outside, so
// nothing in the service has to cooperate with the measure.
class ServicoDeBench
{
public:
    ServicoDeBench();
    ~ServicoDeBench();
    ServicoDeBench(const ServicoDeBench &) = delete;
    ServicoDeBench &operator=(const ServicoDeBench &) = delete;

    // False when the folder or the empty directory could not be made (Erro() says why).
    bool Pronto() const { return erro_.isEmpty(); }
    const QString &Erro() const { return erro_; }
    QString Banco() const; // the directory file, for the benchmark to fill before Inicia
    // Puts `quantos` users in the directory ("Operador 0", ...), with the pager codes Codigo(0),
    // Codigo(1), ...; before Inicia.
    bool CriaUsuarios(int quantos);
    static QString Codigo(int usuario) { return QString::number(5550000 + usuario); }

    // Writes servico.ini ([BANCO] Arquivo plus `secoes`, Windows-1252), starts the service
    // with --config and waits until it listens (its "Recebendo páginas por SNPP" line). Every
    // log line (without its priority prefix) goes to `aoEscrever`, in the caller's event loop.
    bool Inicia(const QString &secoes, std::function<void(const QByteArray &)> aoEscrever = {},
        int esperaMs = 10000);
    qint64 Pid() const { return processo_.processId(); }
    bool Executando() const { return processo_.state() == QProcess::Running; }
    // SIGTERM and wait; true when it ended with status 0.
    bool Para();

    // User plus system time of the whole process (every thread, /proc/PID/stat), in ms; its
    // granularity is the kernel's clock tick (10 ms where CLK_TCK is 100).
    double ProcessadorMs() const;
    // The same, to the nanosecond: the time on processor of each of its threads now
    // (/proc/PID/task/*/schedstat), in ms.
    double ProcessadorExatoMs() const;
    // Peak resident memory (VmHWM), in MB.
    double PicoDeMemoriaMB() const;
    // Voluntary plus involuntary context switches of every thread now: each is the thread
    // going to sleep or being woken, so an idle process adds none.
    qint64 TrocasDeContexto() const;

    // A TCP port on the loopback address that nobody listened on a moment ago.
    static quint16 PortaLivre();

private:
    QList<QByteArray> Campos(const QString &arquivo) const;
    void LeDiario();
    QTemporaryDir pasta_;
    QProcess processo_;
    QByteArray resto_; // a log line not ended yet
    std::function<void(const QByteArray &)> aoEscrever_;
    bool escutando_ = false;
    QEventLoop *espera_ = nullptr;
    QString erro_;
};

// Runs `quantos` clients at once until every one is done: `cria(i, ativos)` makes client i,
// which counts `ativos` down when it ends and quits the event loop at the last one. Answers
// the seconds taken and the clients' errors (their `erro`), one a line.
template <class Cliente, class Cria>
std::pair<double, QByteArray> RodaClientes(int quantos, Cria cria)
{
    int ativos = quantos;
    std::vector<std::unique_ptr<Cliente>> clientes;
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < quantos; ++i)
        clientes.emplace_back(cria(i, ativos));
    QCoreApplication::exec();
    const double segundos = double(relogio.nsecsElapsed()) / 1e9;
    QByteArray erros;
    for (const auto &cliente : clientes) {
        if (!cliente->erro.isEmpty())
            erros += cliente->erro + '\n';
    }
    return {segundos, erros};
}

// The value below which a share `p` (0 to 1) of the sorted `valores` lie; 0 when there are none.
inline double Percentil(const QList<double> &valores, double p)
{
    return valores.isEmpty() ? 0.0 : valores.at(qsizetype(p * double(valores.size() - 1)));
}
