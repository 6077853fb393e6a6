// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "PainelStatusGravado.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/Diretorio.h"
#include "core/settings/ArquivoIni.h"
#include "forms/send/frmMontaMsg.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

// The compose window on a real database file and a real settings file, with recorded
// message boxes and a recorded status line; the send window only records what it was given.
class CenarioDaComposicao
{
protected:
    std::unique_ptr<BancoTemporario> banco_;
    std::unique_ptr<QTemporaryDir> pastaIni_;
    std::unique_ptr<ArquivoIni> ini_;
    CaixaMensagemGravada caixa_;
    PainelStatusGravado status_;
    QList<PedidoEnvio> pedidos_;
    bool comEnvio_ = true;
    std::function<void(QDialog &)> dialogo_;

    static int Grupo(const QString &nome)
    {
        return Diretorio().InsereGrupo(QStringLiteral("d"), nome).value_or(-1);
    }
    static int Usuario(const QString &nome, const QString &pager)
    {
        return Diretorio()
            .InsereUsuario(QStringLiteral("obs"), pager, QDate(2020, 1, 1), nome)
            .value_or(-1);
    }

    std::unique_ptr<frmMontaMsg> Janela()
    {
        frmMontaMsg::Dependencias d;
        d.ini = ini_.get();
        if (comEnvio_)
            d.mostraShowDoEnvio = [this](frmMontaMsg &, const PedidoEnvio &p) { pedidos_ << p; };
        auto janela = std::make_unique<frmMontaMsg>(
            AmbienteJanela{
                caixa_, [this](const QString &t) { status_.mostraStatus(t); }, dialogo_, {}},
            std::move(d));
        janela->show();
        // Focus moves only inside the active window.
        QApplication::setActiveWindow(janela.get());
        if (!QTest::qWaitForWindowActive(janela.get()))
            qWarning("janela de composição não ficou ativa");
        return janela;
    }
    template <typename T> static T *Filho(QWidget &w, const char *nome)
    {
        return w.findChild<T *>(QString::fromLatin1(nome));
    }
    static QStringList Itens(QWidget &w)
    {
        auto *lista = Filho<QComboBox>(w, "cmbUsuario");
        QStringList itens;
        for (int i = 0; i < lista->count(); ++i)
            itens << lista->itemText(i);
        return itens;
    }
    static QPlainTextEdit *Texto(QWidget &w) { return Filho<QPlainTextEdit>(w, "txtMensagem"); }

    // For each test's init() and cleanup().
    void Prepara()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        pastaIni_ = std::make_unique<QTemporaryDir>();
        ini_ = std::make_unique<ArquivoIni>(pastaIni_->path(), QStringLiteral("Tellumo.INI"));
        caixa_.limpa();
        status_.limpa();
        pedidos_.clear();
        comEnvio_ = true;
        dialogo_ = {};
        global::MensagemAnterior().clear();
        global::EnvioIniciado() = true;
    }
    void Encerra() { banco_.reset(); }
};
