// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListaDeGrupos.h"

#include "CursorOcupado.h"
#include "core/directory/Diretorio.h"
#include "core/directory/ListasDoDiretorio.h"
#include "forms/widgets/AmbienteJanela.h"
#include "forms/widgets/ListaLonga.h"

#include <QComboBox>
#include <QSignalBlocker>

bool AtualizaGrupos(QComboBox &grupos, Diretorio &diretorio, const AmbienteJanela &ambiente)
{
    const QSignalBlocker bloqueio(grupos);
    grupos.clear();
    std::optional<QList<listas::Item>> lista;
    {
        CursorOcupado ocupado;
        lista = listas::Grupos(diretorio);
    }
    if (!lista) {
        ambiente.MostraFalha(diretorio);
        return false;
    }
    lista_longa::Acrescenta(grupos, *lista);
    if (grupos.count() == 0)
        return false;
    grupos.setCurrentIndex(0);
    return true;
}
