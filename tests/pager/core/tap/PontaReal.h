// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancadaEnvio.h"
#include "BancoDeTeste.h"
#include "Digita.h"
#include "ProcessoSimulador.h"
#include "core/line/RelogioReal.h"
#include "core/tap/Transmissao.h"
#include "forms/main/JanelasDoPrincipal.h"
#include "forms/main/frmPrincipal.h"
#include "forms/send/frmMontaMsg.h"

#include <QJsonObject>
#include <QPlainTextEdit>
#include <functional>

// What the end-to-end runs on both roads share: Tellumo's own line (`Linha`: the termios
// device or the TCP connection), the real clock and settings against the simulator, and the
// whole program paging one user from its main window.

// Code and text of each page the simulator delivered (or refused, by event), in order.
inline QStringList paginas(const ProcessoSimulador &simulador, const QString &evento)
{
    QStringList linhas;
    for (const QJsonObject &r : simulador.registros(evento)) {
        linhas.append(r.value(QStringLiteral("codigo")).toString() + QLatin1Char('|')
            + r.value(QStringLiteral("texto")).toString());
    }
    return linhas;
}

template <class Linha> struct PontaReal
{
    ProcessoSimulador simulador;
    QTemporaryDir pasta;
    ArquivoIni ini{pasta.path(), QStringLiteral("Tellumo.INI")};
    BancoTemporario banco;
    Diretorio diretorio;
    RelogioReal relogio;
    Linha linha;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    VisorGravado visor;
    Modulo modulo{ini, linha, relogio, caixa, status};

    // Port 1 names `dispositivo` and is opened.
    bool aponta(const QString &dispositivo)
    {
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), dispositivo);
        modulo.DefineNumeroPorta(1);
        return modulo.ConfiguraModem();
    }
    int cadastra(const QString &nome, const QString &codigo)
    {
        return diretorio.InsereUsuario(QStringLiteral("Teste"), codigo, QDate(2026, 12, 1), nome)
            .value_or(-1);
    }
    bool envia(PedidoEnvio::Modo modo, int id, const QString &texto)
    {
        Transmissao t(modulo, diretorio, visor, PedidoEnvio{modo, id, texto});
        return t.IniciaProcesso();
    }
};

// What a page typed in the compose window left behind.
struct EnvioPelaJanela
{
    QStringList mensagens; // message boxes
    QString textoAposEnvio; // the compose window's text after the send
    QString status; // the main window's status line afterwards
    QStringList log; // the Log's messages
};

// The program as a user runs it: the main window on settings `configura` writes, the compose
// window from the menu, `texto` typed to the one user (Ana, 4321) and sent.
inline EnvioPelaJanela enviaPelaJanelaPrincipal(
    const std::function<void(ArquivoIni &)> &configura, const QString &texto)
{
    EnvioPelaJanela envio;
    QTemporaryDir programa;
    QTemporaryDir configuracao;
    if (!BancoDeTeste::CriaBancoVazio(programa.path()))
        return envio;
    ArquivoIni ini(configuracao.path(), QStringLiteral("Tellumo.INI"));
    configura(ini);
    CaixaMensagemGravada caixa;
    envio.textoAposEnvio = QStringLiteral("<não enviado>");
    frmPrincipal::Dependencias d;
    d.pastaPrograma = programa.path();
    d.pastaConfiguracao = configuracao.path();
    d.caixa = &caixa;
    d.janelas = JanelasPadrao();
    d.executaDialogo = [&](QDialog &dialogo) {
        auto *montaMsg = qobject_cast<frmMontaMsg *>(&dialogo);
        if (!montaMsg)
            return;
        montaMsg->show();
        auto *caixaDeTexto = montaMsg->findChild<QPlainTextEdit *>(QStringLiteral("txtMensagem"));
        Digita(caixaDeTexto, texto);
        montaMsg->cmdEnviar_Click();
        envio.textoAposEnvio = caixaDeTexto->toPlainText();
        montaMsg->cmdRetornar_Click();
    };
    {
        frmPrincipal principal(std::move(d));
        if (principal.Form_Load()) {
            Diretorio().InsereUsuario(QStringLiteral("-"), QStringLiteral("4321"),
                QDate(2026, 12, 1), QStringLiteral("Ana"));
            principal.mnuDigitaEnviaMsg_Click();
            envio.status = principal.status();
            envio.log = BancoDeTeste::Coluna(BancoDeTeste::ListaLog(), QStringLiteral("Mensagem"));
        }
        envio.mensagens = caixa.textos();
    }
    FechaBancoDeDados();
    return envio;
}
