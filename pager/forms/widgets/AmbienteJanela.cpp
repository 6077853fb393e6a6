// SPDX-License-Identifier: GPL-3.0-or-later
#include "AmbienteJanela.h"

#include "CaixaMensagem.h"
#include "core/directory/Diretorio.h"

#include <QApplication>
#include <QDialog>

void AmbienteJanela::Status(const QString &texto) const
{
    if (mostraStatus)
        mostraStatus(texto);
}

void AmbienteJanela::Executa(QDialog &dialogo) const
{
    if (executaDialogo)
        executaDialogo(dialogo);
    else
        dialogo.exec();
}

void AmbienteJanela::Bipe() const
{
    if (bipe)
        bipe();
    else
        QApplication::beep();
}

void AmbienteJanela::MostraFalha(const Diretorio &diretorio) const
{
    caixa.mostra(QStringLiteral("Erro:"), diretorio.Erro(), CaixaMensagem::Icone::Informacao);
}
