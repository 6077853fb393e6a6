// SPDX-License-Identifier: GPL-3.0-or-later
#include "Medida.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <cstdio>
#include <sys/resource.h>

namespace {

// One "Vm...:" line of /proc/self/status, in MB.
double Status(const QByteArray &chave)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linha : status.readAll().split('\n')) {
        const QList<QByteArray> partes = linha.simplified().split(' ');
        if (partes.size() >= 2 && partes[0] == chave)
            return partes[1].toDouble() / 1024;
    }
    return -1;
}

} // namespace

namespace medida {

void Relata(const QString &nome, double valor, const char *unidade, double limite)
{
    std::printf("MEDIDA\t%s\t%.3f\t%s\t%g\n", nome.toUtf8().constData(), valor, unidade, limite);
    std::fflush(stdout);
}

double MemoriaMB()
{
    return Status("VmRSS:");
}

double PicoDeMemoriaMB()
{
    return Status("VmHWM:");
}

double ProcessadorMs()
{
    rusage uso{};
    ::getrusage(RUSAGE_SELF, &uso);
    const auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(uso.ru_utime) + ms(uso.ru_stime);
}

} // namespace medida
