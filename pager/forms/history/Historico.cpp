// SPDX-License-Identifier: GPL-3.0-or-later
#include "Historico.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "core/directory/Diretorio.h"
#include "core/directory/ModeloHistorico.h"
#include "frmHistorico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <memory>

frmHistorico *ExibeHistorico(QMdiArea *area, CaixaMensagem &caixa, std::optional<int> idUsuario)
{
    auto modelo = std::make_unique<ModeloHistorico>();
    bool lido = false;
    {
        CursorOcupado ocupado;
        lido = modelo->Carrega(Diretorio(), idUsuario);
    }
    if (!lido) {
        caixa.mostra(QStringLiteral("Erro:"), modelo->Erro(), CaixaMensagem::Icone::Informacao);
        return nullptr;
    }
    if (modelo->rowCount() == 0 || !area)
        return nullptr;

    auto *janela = new frmHistorico(modelo.release(), caixa);
    janela->setWindowTitle(idUsuario
            ? QStringLiteral("Histórico: Lista de mensagens enviadas para o usuário...")
            : QStringLiteral("Histórico: Lista de todas as mensagens enviadas..."));
    QMdiSubWindow *sub = area->addSubWindow(janela);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for every column, as long as the main window has the room.
    QSize tamanho(janela->LarguraIdeal()
            + 2 * sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub),
        320);
    if (area->isVisible())
        tamanho = tamanho.boundedTo(area->viewport()->size());
    sub->resize(tamanho);
    sub->show();
    return janela;
}
