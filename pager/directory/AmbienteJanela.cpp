#include "AmbienteJanela.h"

#include "CaixaMensagem.h"
#include "Diretorio.h"

#include <QApplication>

void AmbienteJanela::Bipe() const
{
    if (bipe)
        bipe();
    else
        QApplication::beep();
}

void AmbienteJanela::MostraFalha(const Diretorio &diretorio) const
{
    caixa->mostra(QStringLiteral("Erro:"), diretorio.Erro(), CaixaMensagem::Icone::Informacao);
}
