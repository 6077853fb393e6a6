// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dispatch/EnvioPelaFila.h"

#include <QDialog>
#include <functional>

class ArquivoIni;
class CaixaMensagem;
class frmMontaMsg;
class QLabel;
class QListWidget;
class QPushButton;
struct PedidoEnvio;

// The send window when a paging service holds the line: it hands the request to the
// service (EnvioPelaFila) and shows the stage (pnlTitulo) and one line a page (lstPaginas)
// as the queue changes. It can be closed (cmdFechar) once the service answered: closing
// leaves the pages with the service. A refused or unreachable service is one message box,
// then the window closes.
class frmEnvioPelaFila : public QDialog
{
    Q_OBJECT
public:
    frmEnvioPelaFila(PedidoSnpp pedido, CaixaMensagem &caixa, QWidget *pai = nullptr,
        std::chrono::milliseconds limite = EnvioPelaFila::kLimite);

    // True when the service took the request (the compose text is emptied).
    bool Aceito() const { return m_envio.Aceito(); }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void Mostra();

    EnvioPelaFila m_envio;
    CaixaMensagem &m_caixa;
    QLabel *m_titulo = nullptr;
    QListWidget *m_paginas = nullptr;
    QPushButton *m_fechar = nullptr;
};

// The compose window's send hook when Tellumo.INI names a service: the request built from
// the settings and the directory, the window above over the compose window, and the compose
// text emptied once the service took it.
std::function<void(frmMontaMsg &, const PedidoEnvio &)> EnvioPeloServico(
    ArquivoIni &ini, CaixaMensagem &caixa);
