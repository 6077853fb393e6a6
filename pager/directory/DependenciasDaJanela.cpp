#include "DependenciasDaJanela.h"

#include "shell/PainelStatus.h"

#include <QDialog>

void DependenciasDaJanela::executa(QDialog &dialogo) const
{
    if (executaDialogo)
        executaDialogo(dialogo);
    else
        dialogo.exec();
}

void DependenciasDaJanela::mostraStatus(const QString &texto) const
{
    if (status)
        status->mostraStatus(texto);
}
