#pragma once

#include "CaixaMensagemGravada.h"
#include "Medida.h"
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
#include <cstdio>

// What the transmission benchmarks share: a window that shows nothing, a group of n members
// with pager codes 1000, 1001, ..., and one timed group send over a given line.
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
    bool aberto = false; // the port (or gateway) opened
    bool entregue = false;
    double segundos = 0; // elapsed, from the first command to the end of the transmission
    double processador = 0; // this process's processor time in that span, in seconds
    qsizetype mensagens = 0; // message boxes the transmission raised
};

// Opens port 1 (the line named by `ini`'s "COM1") and sends one message to `grupo`, timing
// the transmission alone.
inline EnvioMedido enviaAoGrupo(
    ArquivoIni &ini, LinhaSerial &linha, Diretorio &diretorio, int grupo)
{
    RelogioReal relogio;
    CaixaMensagemGravada caixa;
    Mudo mudo;
    Modulo modulo(ini, linha, relogio, caixa, mudo);
    modulo.DefineNumeroPorta(1);
    EnvioMedido medido;
    medido.aberto = modulo.ConfiguraModem();
    if (!medido.aberto) {
        std::fprintf(stderr, "porta: %s\n", qPrintable(linha.erro()));
        return medido;
    }
    Transmissao transmissao(modulo, diretorio, mudo,
        PedidoEnvio{PedidoEnvio::Modo::Grupo, grupo,
            QStringLiteral("Reunião geral às 15h na sala 2. Tragam o relatório do mês.")});
    const double processadorAntes = medida::ProcessadorMs();
    QElapsedTimer decorrido;
    decorrido.start();
    medido.entregue = transmissao.IniciaProcesso();
    medido.segundos = static_cast<double>(decorrido.nsecsElapsed()) / 1e9;
    medido.processador = (medida::ProcessadorMs() - processadorAntes) / 1000.0;
    medido.mensagens = caixa.quantidade();
    return medido;
}
