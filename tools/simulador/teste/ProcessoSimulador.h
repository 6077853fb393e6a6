// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// For end-to-end tests: runs the paging-service simulator as a child process, tells where its
// pseudo-terminal is, stops it and reads its log. The log goes to a temporary folder of its own
// and, unless the options say otherwise, the simulator ends by itself after 120 seconds, so
// that a crashed test leaves nothing running for long.
class ProcessoSimulador
{
public:
    ProcessoSimulador() = default;
    ~ProcessoSimulador();
    ProcessoSimulador(const ProcessoSimulador &) = delete;
    ProcessoSimulador &operator=(const ProcessoSimulador &) = delete;

    // Starts it with the given options (see `simulador --help`) and waits for the path of its
    // terminal (and the gateway's address, with --tcp); false (and erro()) when it did not
    // start or printed nothing in time.
    bool inicia(const QStringList &opcoes = {}, int esperaMs = 10000);
    // Sends SIGTERM and waits; true when it ended by itself with status 0.
    bool para(int esperaMs = 5000);
    // Waits for it to end by itself (time limit, bad options); true when it did in time.
    bool aguardaFim(int esperaMs);
    bool executando() const { return processo.state() != QProcess::NotRunning; }

    QString pty() const { return caminhoPty; }
    // With "--tcp": the gateway as a client names it, "tcp:127.0.0.1:PORT".
    QString gateway() const { return enderecoGateway; }
    QString arquivoLog() const { return pasta.filePath(QStringLiteral("simulador.jsonl")); }
    QString erro() const { return mensagemErro; }

    // The records of the log, in order; with an event name, only those of that event
    // ("discagem", "pagina", "recusa", "nak", "logon", "logoff", "desligamento", ...).
    QList<QJsonObject> registros() const;
    QList<QJsonObject> registros(const QString &evento) const;

    static QString executavel();

private:
    QProcess processo;
    QTemporaryDir pasta;
    bool leLinha(QString &linha, int esperaMs);

    QString caminhoPty;
    QString enderecoGateway;
    QString mensagemErro;
};
