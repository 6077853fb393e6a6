// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaixaMensagemGravada.h"
#include "LinhaRoteirizada.h"
#include "ModemHayes.h"
#include "RelogioVirtual.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"
#include "forms/main/frmPrincipal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The main window on a virtual clock, a scripted modem, the recording message box, a
// temporary program folder (with an empty Pager.Mdb) and a temporary settings folder.
// Modal dialogs are not run: `aoDialogo` operates them (by default it presses "Ok").
struct BancadaPrincipal
{
    QTemporaryDir programa;
    QTemporaryDir configuracao;
    RelogioVirtual relogio;
    LinhaRoteirizada linha{relogio};
    ModemHayes modem;
    CaixaMensagemGravada caixa;
    QStringList status;
    QStringList dialogos;
    std::function<void(QDialog &)> aoDialogo;
    JanelasDoPrincipal janelas;
    std::unique_ptr<frmPrincipal> janela;

    BancadaPrincipal()
    {
        modem.instala(linha);
        QFile::copy(
            QStringLiteral(TELLUMO_BANCO_VAZIO), programa.filePath(QStringLiteral("Pager.Mdb")));
        QFile::setPermissions(
            programa.filePath(QStringLiteral("Pager.Mdb")), QFile::ReadOwner | QFile::WriteOwner);
    }

    ArquivoIni ini() const
    {
        return ArquivoIni(configuracao.path(), QStringLiteral("Tellumo.INI"));
    }
    void grava(const QString &secao, const QString &chave, const QString &valor)
    {
        ini().GravaPerfil(secao, chave, valor);
    }

    static void clica(QWidget &pai, const char *nome)
    {
        auto *b = pai.findChild<QAbstractButton *>(QString::fromLatin1(nome));
        if (b)
            b->click();
    }

    // objectNames of the dialog's checked options.
    static QStringList opcoesMarcadas(QDialog &d)
    {
        QStringList marcadas;
        for (QRadioButton *o : d.findChildren<QRadioButton *>()) {
            if (o->isChecked())
                marcadas.append(o->objectName());
        }
        return marcadas;
    }

    frmPrincipal &cria()
    {
        frmPrincipal::Dependencias d;
        d.pastaPrograma = programa.path();
        d.pastaConfiguracao = configuracao.path();
        d.modem = &linha;
        d.relogio = &relogio;
        d.caixa = &caixa;
        d.janelas = janelas;
        d.executaDialogo = [this](QDialog &dialogo) {
            dialogos.append(dialogo.objectName());
            if (aoDialogo)
                aoDialogo(dialogo);
            else
                clica(dialogo, "cmdOkay");
        };
        janela = std::make_unique<frmPrincipal>(std::move(d));
        QObject::connect(janela.get(), &frmPrincipal::statusAlterado,
            [this](const QString &t) { status.append(t); });
        return *janela;
    }
};
