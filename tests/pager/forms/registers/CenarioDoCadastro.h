// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "PainelStatusGravado.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "forms/registers/frmCadastraUsuarios.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

// The user dialog and the users view on a real database file, with recorded message boxes
// and a recorded status line: what both windows' tests stand on.
class CenarioDoCadastro
{
protected:
    using Icone = CaixaMensagem::Icone;

    std::unique_ptr<BancoTemporario> banco_;
    CaixaMensagemGravada caixa_;
    PainelStatusGravado status_;

    // For each test's init() and cleanup().
    void Prepara()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        caixa_.limpa();
        status_.limpa();
    }
    void Encerra() { banco_.reset(); }

    static int Grupo(const QString &nome)
    {
        return Diretorio().InsereGrupo(QStringLiteral("d"), nome).value_or(-1);
    }
    static int Usuario(const QString &nome, const QString &pager, const QList<int> &grupos = {})
    {
        return Diretorio()
            .InsereUsuario(QStringLiteral("desc ") + nome, pager, QDate(1998, 12, 6), nome, grupos)
            .value_or(-1);
    }
    static QVariant Sql(const QString &sql) { return BancoDeTeste::Valor(BancoDeDados(), sql); }
    static int Conta(const QString &sql) { return Sql(sql).toInt(); }

    template <typename T> static T *Filho(QWidget &w, const char *nome)
    {
        return w.findChild<T *>(QString::fromLatin1(nome));
    }

    // Fills the dialog as the operator would and presses save.
    static void Preenche(frmCadastraUsuarios &d, const QString &nome, const QString &pager,
        const QString &descricao = {})
    {
        Filho<QLineEdit>(d, "txtNomeUsuario")->setText(nome);
        Filho<QLineEdit>(d, "txtPagerID")->setText(pager);
        Filho<QPlainTextEdit>(d, "txtDescricao")->setPlainText(descricao);
    }
    static void Clica(QWidget &w, const char *nome) { Filho<QToolButton>(w, nome)->click(); }
};
