// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "ProcessoSimulador.h"
#include "core/directory/Diretorio.h"
#include "core/line/LinhaSerial.h"
#include "core/line/RelogioReal.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/ArquivoIni.h"
#include "core/tap/Transmissao.h"
#include "core/tap/VisorEnvio.h"

#include <QDate>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

// What the transmission benchmarks share: a window that shows nothing, a group of n members
// with pager codes 1000, 1001, ..., and one timed group send through the simulator.
class Mudo : public PainelStatus, public VisorEnvio
{
public:
    void mostraStatus(const QString &) override { }
    void mostraTitulo(const QString &) override { }
    void iniciaProgresso(int) override { }
    void mostraProgresso(int) override { }
};

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

struct EnvioMedido
{
    bool entregue = false;
    double segundos = 0; // elapsed, from the first command to the end of the transmission
    double processador = 0; // this process's processor time in that span, in seconds
    qsizetype mensagens = 0; // message boxes the transmission raised
    qsizetype paginas = 0; // pages the simulator accepted
};

// Starts the simulator with `opcoes`, fills a temporary directory with a group of `membros`,
// opens port 1 over `linha` (the simulator's pseudo-terminal, or its gateway when
// `peloGateway`) and sends the group one message, timing the transmission alone. Nothing
// when the simulator, the directory or the port could not be had (the reason on stderr).
inline std::optional<EnvioMedido> enviaAoGrupo(
    const QStringList &opcoes, bool peloGateway, LinhaSerial &linha, int membros)
{
    ProcessoSimulador simulador;
    if (!simulador.inicia(opcoes)) {
        std::fprintf(stderr, "simulador: %s\n", qPrintable(simulador.erro()));
        return std::nullopt;
    }
    BancoTemporario banco;
    if (!banco.Aberto()) {
        std::fprintf(stderr, "banco: %s\n", qPrintable(banco.Erro()));
        return std::nullopt;
    }
    Diretorio diretorio;
    const int grupo = criaGrupo(diretorio, membros);
    QTemporaryDir pasta;
    ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
    ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"),
        peloGateway ? simulador.gateway() : simulador.pty());

    RelogioReal relogio;
    CaixaMensagemGravada caixa;
    Mudo mudo;
    Modulo modulo(ini, linha, relogio, caixa, mudo);
    modulo.DefineNumeroPorta(1);
    if (!modulo.ConfiguraModem()) {
        std::fprintf(stderr, "porta: %s\n", qPrintable(linha.erro()));
        return std::nullopt;
    }
    Transmissao transmissao(modulo, diretorio, mudo,
        PedidoEnvio{PedidoEnvio::Modo::Grupo, grupo,
            QStringLiteral("Reunião geral às 15h na sala 2. Tragam o relatório do mês.")});
    EnvioMedido medido;
    const double processadorAntes = medida::ProcessadorMs();
    QElapsedTimer decorrido;
    decorrido.start();
    medido.entregue = transmissao.IniciaProcesso();
    medido.segundos = static_cast<double>(decorrido.nsecsElapsed()) / 1e9;
    medido.processador = (medida::ProcessadorMs() - processadorAntes) / 1000.0;
    medido.mensagens = caixa.quantidade();
    medido.paginas = simulador.registros(QStringLiteral("pagina")).size();
    return medido;
}
