// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnvioPelaFila.h"

#include "SituacaoDaPagina.h"
#include "core/queue/AcompanhaFila.h"
#include "core/queue/FilaDePaginas.h"

#include <QThread>

EnvioPelaFila::EnvioPelaFila(PedidoSnpp pedido, std::chrono::milliseconds limite, QObject *pai)
    : QObject(pai)
    , m_pedido(std::move(pedido))
    , m_limite(limite)
{
    m_prazo.setSingleShot(true);
    connect(&m_prazo, &QTimer::timeout, this, [this] { Termina(Etapa::NaFila); });
}

EnvioPelaFila::~EnvioPelaFila()
{
    if (m_cliente)
        m_cliente->wait();
}

void EnvioPelaFila::Inicia()
{
    if (m_cliente)
        return;
    auto resultado = std::make_shared<ResultadoEnvio>();
    m_cliente.reset(QThread::create([pedido = m_pedido, resultado] {
        *resultado = ClienteSnpp(kEsperaDoServico).Envia(pedido);
    }));
    // Delivered to this object's thread once the client's thread is done.
    connect(
        m_cliente.get(), &QThread::finished, this, [this, resultado] { Respondeu(*resultado); });
    m_cliente->start();
    Q_EMIT Mudou();
}

QString EnvioPelaFila::Titulo() const
{
    switch (m_etapa) {
    case Etapa::Entregando: return QStringLiteral("Enviando para a fila do serviço...");
    case Etapa::Seguindo:
        return QStringLiteral("Mensagem na fila do serviço (pedido %1)").arg(m_id);
    case Etapa::Concluido: return QStringLiteral("Envio concluído");
    case Etapa::NaFila:
        return QStringLiteral("A mensagem continua na fila do serviço, que seguirá tentando "
                              "enviá-la.");
    case Etapa::Falhou: break;
    }
    return QStringLiteral("Mensagem não enviada");
}

void EnvioPelaFila::Respondeu(const ResultadoEnvio &resultado)
{
    using R = ResultadoEnvio::Resultado;
    if (resultado.resultado != R::Aceito) {
        m_falha = resultado.resultado == R::Recusado
            ? QStringLiteral("O serviço de envio recusou a mensagem:\n%1").arg(resultado.motivo)
            : QStringLiteral("Não foi possível entregar a mensagem ao serviço de envio: %1.\n\n"
                             "A mensagem não foi enviada.")
                  .arg(resultado.motivo);
        Termina(Etapa::Falhou);
        return;
    }
    m_id = resultado.identificador.toLongLong();
    m_etapa = Etapa::Seguindo;
    // Listening first: a page delivered between the first read and the watch is not missed.
    m_acompanha = new AcompanhaFila(this);
    connect(m_acompanha, &AcompanhaFila::Mudou, this, &EnvioPelaFila::LeFila);
    m_prazo.start(m_limite);
    LeFila();
}

void EnvioPelaFila::LeFila()
{
    if (m_etapa != Etapa::Seguindo)
        return;
    FilaDePaginas fila;
    const std::optional<QList<PaginaDaFila>> paginas = fila.PaginasDoPedido(m_id);
    if (!paginas) {
        m_paginas = {QStringLiteral("Não foi possível ler a fila: ") + fila.Erro()};
        Q_EMIT Mudou();
        return;
    }
    m_paginas.clear();
    bool encerradas = !paginas->isEmpty();
    for (const PaginaDaFila &p : *paginas) {
        m_paginas << SituacaoDaPagina(p);
        encerradas = encerradas && PaginaEncerrada(p.estado);
    }
    if (encerradas)
        Termina(Etapa::Concluido);
    else
        Q_EMIT Mudou();
}

void EnvioPelaFila::Termina(Etapa etapa)
{
    m_etapa = etapa;
    m_prazo.stop();
    // Ended from inside its own signal at times: it goes once that returned.
    if (m_acompanha) {
        m_acompanha->disconnect(this);
        m_acompanha->deleteLater();
        m_acompanha = nullptr;
    }
    Q_EMIT Mudou();
}
