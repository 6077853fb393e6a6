// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEnvioPelaFila.h"

#include "CaixaMensagem.h"
#include "core/directory/Diretorio.h"
#include "core/dispatch/ServicoDeEnvio.h"
#include "frmMontaMsg.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmEnvioPelaFila::frmEnvioPelaFila(
    PedidoSnpp pedido, CaixaMensagem &caixa, QWidget *pai, std::chrono::milliseconds limite)
    : QDialog(pai)
    , m_envio(std::move(pedido), limite)
    , m_caixa(caixa)
{
    setObjectName(QStringLiteral("frmEnvioPelaFila"));
    setWindowTitle(QStringLiteral("Enviando Mensagem"));
    setModal(true);

    m_titulo = new QLabel(this);
    m_titulo->setObjectName(QStringLiteral("pnlTitulo"));
    m_titulo->setFrameShape(QFrame::Panel);
    m_titulo->setFrameShadow(QFrame::Sunken);
    m_titulo->setAlignment(Qt::AlignCenter);
    m_titulo->setWordWrap(true);
    QFont fonte = m_titulo->font();
    fonte.setBold(true);
    m_titulo->setFont(fonte);
    m_titulo->setMargin(3);

    m_paginas = new QListWidget(this);
    m_paginas->setObjectName(QStringLiteral("lstPaginas"));
    m_paginas->setMinimumWidth(QFontMetrics(m_paginas->font()).averageCharWidth() * 60);

    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_fechar->setObjectName(QStringLiteral("cmdFechar"));
    connect(m_fechar, &QPushButton::clicked, this, &frmEnvioPelaFila::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_titulo);
    layout->addWidget(m_paginas, 1);
    layout->addWidget(m_fechar, 0, Qt::AlignRight);

    connect(&m_envio, &EnvioPelaFila::Mudou, this, &frmEnvioPelaFila::Mostra);
    Mostra();
}

void frmEnvioPelaFila::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    QTimer::singleShot(0, &m_envio, &EnvioPelaFila::Inicia);
}

void frmEnvioPelaFila::Mostra()
{
    m_titulo->setText(m_envio.Titulo());
    m_fechar->setEnabled(m_envio.etapa() != EnvioPelaFila::Etapa::Entregando);
    if (m_envio.etapa() == EnvioPelaFila::Etapa::Falhou) {
        m_caixa.mostra(QStringLiteral("Erro:"), m_envio.Falha(), CaixaMensagem::Icone::Critico);
        done(QDialog::Rejected);
        return;
    }
    // Rows are rewritten in place, so the operator's scroll position stays.
    const QStringList &linhas = m_envio.Paginas();
    for (int i = 0; i < linhas.size(); ++i) {
        if (i < m_paginas->count())
            m_paginas->item(i)->setText(linhas.at(i));
        else
            m_paginas->addItem(linhas.at(i));
    }
    while (m_paginas->count() > linhas.size())
        delete m_paginas->takeItem(m_paginas->count() - 1);
}

void frmEnvioPelaFila::reject()
{
    // Until the service answered, the request is neither queued nor refused.
    if (m_envio.etapa() != EnvioPelaFila::Etapa::Entregando)
        QDialog::reject();
}

std::function<void(frmMontaMsg &, const PedidoEnvio &)> EnvioPeloServico(
    ArquivoIni &ini, CaixaMensagem &caixa)
{
    return [&ini, &caixa](frmMontaMsg &janela, const PedidoEnvio &pedido) {
        QString motivo;
        Diretorio diretorio;
        const std::optional<ServicoDeEnvio> servico = ServicoDeEnvio::Le(ini, &motivo);
        const std::optional<PedidoSnpp> snpp
            = servico ? servico->Pedido(diretorio, pedido, &motivo) : std::nullopt;
        if (!snpp) {
            caixa.mostra(QStringLiteral("Erro:"), motivo, CaixaMensagem::Icone::Critico);
            return;
        }
        frmEnvioPelaFila envio(*snpp, caixa, &janela);
        envio.exec();
        if (envio.Aceito())
            janela.LimpaMensagem();
    };
}
