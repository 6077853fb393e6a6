#include "ListaDeGrupos.h"

#include "AmbienteJanela.h"
#include "CursorOcupado.h"
#include "Diretorio.h"

#include <QComboBox>
#include <QSignalBlocker>

bool AtualizaGrupos(QComboBox &grupos, Diretorio &diretorio, const AmbienteJanela &ambiente)
{
    const QSignalBlocker bloqueio(grupos);
    grupos.clear();
    std::optional<Instantaneo> lista;
    {
        CursorOcupado ocupado;
        lista = diretorio.ListaGrupos();
    }
    if (!lista) {
        ambiente.MostraFalha(diretorio);
        return false;
    }
    for (; !lista->NoFim(); lista->Proximo())
        grupos.addItem(lista->Campo(QStringLiteral("Nome_Grupo")).toString());
    lista->Fecha();
    if (grupos.count() == 0)
        return false;
    grupos.setCurrentIndex(0);
    return true;
}
