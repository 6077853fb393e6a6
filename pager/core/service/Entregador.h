// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConfiguracaoDoServico.h"
#include "SaudeDaLinha.h"

#include <QObject>
#include <memory>

class QTimer;

// The service's side of the line: in a thread of its own (so that a call to the paging company
// never holds up the SNPP clients), with its own connection to the directory, it delivers the
// queue's due pages and then sleeps until the next one is due or Acorda says the queue
// changed (a page queued here, or by another process). It never wakes up otherwise.
class Entregador : public QObject
{
    Q_OBJECT
public:
    // `ini` is the settings file, read again by the modem procedures at each call; `saude`
    // (lent) learns whether the line works.
    Entregador(const ConfiguracaoDoServico &config, const QString &ini, SaudeDaLinha &saude);
    ~Entregador() override;

    // Connection name of the thread's directory connection.
    static constexpr const char *kConexao = "entrega";

public slots:
    // In the thread, first: opens the connection and the line, takes back the pages this
    // service left half sent, and delivers what is due.
    void Inicia();
    // There may be due pages (one was queued, a notification came, the timer ran out).
    void Acorda();
    // In the thread, last: once a call under way is over, closes the line and the connection
    // and ends the thread.
    void Termina();

signals:
    // The thread cannot work (its directory connection did not open): the service stops.
    void falhou(const QString &motivo);

private:
    struct Partes;
    void entregaVencidas();
    void programa();

    ConfiguracaoDoServico m_config;
    QString m_ini;
    SaudeDaLinha &m_saude;
    std::unique_ptr<Partes> m_partes;
    QTimer *m_relogio = nullptr;
    bool m_ocupado = false;
    bool m_deNovo = false;
    bool m_termina = false;
};
