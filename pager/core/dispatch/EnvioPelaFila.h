// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/snpp/ClienteSnpp.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <memory>

class AcompanhaFila;
class QThread;

// One send of the desk through the paging service. The request goes over SNPP in a thread
// of its own (the client blocks; the window's events go on); once the service answered 250
// the request's pages are read from the queue on the program's connection each time
// AcompanhaFila tells of a change (no polling), until every page ended or `limite` passed.
// It never cancels a page: what is still queued when it ends stays with the service.
// The texts it holds (stage, one line a page, the failure) are the send window's.
class EnvioPelaFila : public QObject
{
    Q_OBJECT
public:
    // How long the window follows the pages before leaving them to the service.
    static constexpr std::chrono::minutes kLimite{2};
    // Every wait for the service's replies is bounded by this.
    static constexpr std::chrono::seconds kEsperaDoServico{15};

    enum class Etapa {
        Entregando, // waiting for the service's answer
        Seguindo, // accepted: following the pages
        Concluido, // every page ended
        NaFila, // the limit passed with pages still queued
        Falhou, // the service refused the request or could not be reached: Falha()
    };

    explicit EnvioPelaFila(
        PedidoSnpp pedido, std::chrono::milliseconds limite = kLimite, QObject *pai = nullptr);
    // Waits for the client's thread (bounded by kEsperaDoServico per reply).
    ~EnvioPelaFila() override;

    // Hands the request to the service; Mudou() tells of every step from then on.
    void Inicia();

    Etapa etapa() const { return m_etapa; }
    // True once the service answered 250: the pages are its, whatever comes next.
    bool Aceito() const { return m_etapa != Etapa::Entregando && m_etapa != Etapa::Falhou; }
    QString Titulo() const;
    const QStringList &Paginas() const { return m_paginas; }
    // For Falhou: the message box's text.
    const QString &Falha() const { return m_falha; }

Q_SIGNALS:
    void Mudou();

private:
    void Respondeu(const ResultadoEnvio &resultado);
    void LeFila();
    void Termina(Etapa etapa);

    PedidoSnpp m_pedido;
    std::chrono::milliseconds m_limite;
    std::unique_ptr<QThread> m_cliente;
    AcompanhaFila *m_acompanha = nullptr;
    QTimer m_prazo;
    Etapa m_etapa = Etapa::Entregando;
    qint64 m_id = 0;
    QStringList m_paginas;
    QString m_falha;
};
