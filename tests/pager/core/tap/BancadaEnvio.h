// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "LinhaRoteirizada.h"
#include "ModemHayes.h"
#include "PainelStatusGravado.h"
#include "RelogioVirtual.h"
#include "ServicoTapRoteirizado.h"
#include "core/directory/Diretorio.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"
#include "core/tap/PedidoEnvio.h"
#include "core/tap/VisorEnvio.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// Records what the transmission shows in the send window.
class VisorGravado : public VisorEnvio
{
public:
    void mostraTitulo(const QString &titulo) override { titulos.append(titulo); }
    void iniciaProgresso(int maximo) override { progresso.append(-maximo); }
    void mostraProgresso(int valor) override { progresso.append(valor); }

    QStringList titulos;
    QList<int> progresso; // the maximum as a negative number, then each value
};

// Everything a transmission needs, scripted: settings in a temporary folder, a fresh
// directory, a virtual clock, a Hayes modem with a paging service behind it on a scripted
// line (port 1 open), recorded message boxes, status line and send window, and a fixed
// date and time (7 Dec 2026, 14:05) for the Log rows.
struct BancadaEnvio
{
    QTemporaryDir pasta;
    ArquivoIni ini{pasta.path(), QStringLiteral("Tellumo.INI")};
    BancoTemporario banco;
    Diretorio diretorio;
    RelogioVirtual relogio;
    LinhaRoteirizada linha{relogio};
    ModemHayes modem;
    ServicoTapRoteirizado servico;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    Modulo modulo{ini, linha, relogio, caixa, status};
    VisorGravado visor;
    QDateTime momento{QDate(2026, 12, 7), QTime(14, 5, 30)};
    std::function<QDateTime()> calendario; // when set, read instead of `momento`

    BancadaEnvio();

    int cadastra(const QString &nome, const QString &codigo);
    int agrupa(const QString &nome, const QList<int> &membros);

    // One transmission, as the send window runs it.
    bool envia(PedidoEnvio::Modo modo, int identificador, const QString &texto);

    // The Log rows as Data|Hora|Usuario|Mensagem|ID_Pager|ID_Usuario, oldest first.
    QStringList log() const;

    // What went to the line after the modem connected (from the first CR on).
    QByteArray escritoAposConectar() const;
    // The instant of the first write equal to `bytes`, or -1.
    double instanteDe(const QByteArray &bytes) const;
};
