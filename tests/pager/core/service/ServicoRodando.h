// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// For end-to-end tests: tellumo-servico as a child process, with a folder and settings of its
// own. Its log (standard error) is kept as it comes, so a test waits for what the service says
// it did rather than for a time. A service still running when the object goes is killed.
class ServicoRodando
{
public:
    ~ServicoRodando();

    // Writes servico.ini from `secoes` (the [BANCO], [MODEM], [FILA] lines) and an [SNPP]
    // port of its own (kept for the next start), starts it and waits until it listens; false
    // when it ended or did not say so in time (the reason is in log()).
    bool inicia(const QString &secoes);
    // Changes one key of servico.ini (the line's keys are read again at each call).
    void grava(const QString &secao, const QString &chave, const QString &valor);
    // SIGTERM; true when it ended by itself with status 0.
    bool para();
    // SIGKILL, and waits for the end.
    void mata();

    // Lines of the log matching the regular expression `padrao`, since the last start.
    int conta(const QString &padrao);
    // Waits in the event loop until `padrao` matched `vezes` lines, at most `esperaMs`.
    bool aguarda(const QString &padrao, int vezes = 1, int esperaMs = 30000);
    // The same for any condition, woken by the log of any of `servicos` (or their end).
    static bool aguarda(const QList<ServicoRodando *> &servicos,
        const std::function<bool()> &pronto, int esperaMs = 30000);
    const QString &log();

    // tellumo-enviar on this service: started, not waited for (`argumentos` after -s).
    QProcess *enviar(const QStringList &argumentos, QObject *dono) const;

private:
    QTemporaryDir pasta;
    QProcess processo;
    QString texto;
    quint16 porta = 0;
};
