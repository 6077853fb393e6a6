// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fila.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "frmFila.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

frmFila *ExibeFila(QMdiArea *area, CaixaMensagem &caixa)
{
    if (!area)
        return nullptr;
    for (QMdiSubWindow *sub : area->subWindowList()) {
        if (auto *aberta = qobject_cast<frmFila *>(sub->widget())) {
            area->setActiveSubWindow(sub);
            return aberta;
        }
    }
    auto janela = std::make_unique<frmFila>(caixa);
    bool lida = false;
    {
        CursorOcupado ocupado;
        lida = janela->Carrega();
    }
    if (!lida) {
        caixa.mostra(QStringLiteral("Erro:"), janela->Erro(), CaixaMensagem::Icone::Informacao);
        return nullptr;
    }
    janela->setWindowTitle(QStringLiteral("Fila de Envio"));
    QMdiSubWindow *sub = area->addSubWindow(janela.get());
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for every column, as long as the main window has the room.
    QSize tamanho(janela->LarguraIdeal()
            + 2 * sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub),
        360);
    if (area->isVisible())
        tamanho = tamanho.boundedTo(area->viewport()->size());
    sub->resize(tamanho);
    sub->show();
    return janela.release();
}
