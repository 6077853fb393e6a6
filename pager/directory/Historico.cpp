#include "Historico.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "Diretorio.h"
#include "ModeloHistorico.h"
#include "frmHistorico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

frmHistorico *ExibeHistorico(QMdiArea *area, CaixaMensagem &caixa, std::optional<int> idUsuario)
{
    auto modelo = std::make_unique<ModeloHistorico>();
    Diretorio diretorio;
    bool lido = false;
    {
        CursorOcupado ocupado;
        lido = modelo->Carrega(diretorio, idUsuario);
    }
    if (!lido) {
        caixa.mostra(QStringLiteral("Erro:"), diretorio.Erro(), CaixaMensagem::Icone::Informacao);
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
    sub->resize(700, 300);
    sub->show();
    return janela;
}
