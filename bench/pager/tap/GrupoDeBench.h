#pragma once

#include "directory/Diretorio.h"
#include "shell/PainelStatus.h"
#include "tap/VisorEnvio.h"

#include <QDate>
#include <sys/resource.h>

// What the transmission benchmarks share: a window that shows nothing, the process's
// processor time, and a group of n members with pager codes 1000, 1001, ...
class Mudo : public PainelStatus, public VisorEnvio
{
public:
    void mostraStatus(const QString &) override { }
    void mostraTitulo(const QString &) override { }
    void iniciaProgresso(int) override { }
    void mostraProgresso(int) override { }
};

inline double segundosDeProcessador()
{
    rusage uso{};
    ::getrusage(RUSAGE_SELF, &uso);
    const auto s = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

inline int criaGrupo(Diretorio &diretorio, int membros)
{
    const int grupo
        = diretorio.InsereGrupo(QStringLiteral("Todos"), QStringLiteral("Todos")).value_or(0);
    for (int i = 0; i < membros; ++i) {
        const int id = diretorio
                           .InsereUsuario(QStringLiteral("-"), QString::number(1000 + i),
                               QDate::currentDate(), QStringLiteral("Membro %1").arg(i))
                           .value_or(0);
        diretorio.InsereUsuarioNoGrupo(id, grupo);
    }
    return grupo;
}
