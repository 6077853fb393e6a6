// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessoSimulador.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

ProcessoSimulador::~ProcessoSimulador()
{
    para();
}

QString ProcessoSimulador::executavel()
{
    return QStringLiteral(SIMULADOR_EXECUTAVEL);
}

bool ProcessoSimulador::inicia(const QStringList &opcoes, int esperaMs)
{
    para();
    caminhoPty.clear();
    enderecoGateway.clear();
    mensagemErro.clear();
    QFile::remove(arquivoLog());
    // The last value of an option counts: the caller's time limit wins over the default.
    const QStringList argumentos
        = QStringList{QStringLiteral("--tempo-limite"), QStringLiteral("120")} + opcoes
        + QStringList{QStringLiteral("--log"), arquivoLog()};
    processo.start(executavel(), argumentos);
    if (!processo.waitForStarted(esperaMs)) {
        mensagemErro = processo.errorString();
        return false;
    }
    if (!leLinha(caminhoPty, esperaMs)
        || (opcoes.contains(QStringLiteral("--tcp")) && !leLinha(enderecoGateway, esperaMs))) {
        mensagemErro = QString::fromLocal8Bit(processo.readAllStandardError()).trimmed();
        if (mensagemErro.isEmpty())
            mensagemErro = QStringLiteral("o simulador não informou o terminal");
        para();
        return false;
    }
    return true;
}

bool ProcessoSimulador::leLinha(QString &linha, int esperaMs)
{
    const QDeadlineTimer prazo(esperaMs);
    while (!processo.canReadLine()) {
        if (prazo.hasExpired() || !processo.waitForReadyRead(int(prazo.remainingTime())))
            return false;
    }
    linha = QString::fromLocal8Bit(processo.readLine()).trimmed();
    return true;
}

bool ProcessoSimulador::para(int esperaMs)
{
    if (processo.state() == QProcess::NotRunning)
        return processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
    processo.terminate();
    if (!processo.waitForFinished(esperaMs)) {
        processo.kill();
        processo.waitForFinished(esperaMs);
        return false;
    }
    return processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
}

bool ProcessoSimulador::aguardaFim(int esperaMs)
{
    return processo.state() == QProcess::NotRunning || processo.waitForFinished(esperaMs);
}

QList<QJsonObject> ProcessoSimulador::registros() const
{
    QList<QJsonObject> lista;
    QFile arquivo(arquivoLog());
    if (!arquivo.open(QIODevice::ReadOnly))
        return lista;
    while (!arquivo.atEnd()) {
        const QByteArray linha = arquivo.readLine().trimmed();
        const QJsonDocument documento = QJsonDocument::fromJson(linha);
        if (documento.isObject())
            lista.append(documento.object());
    }
    return lista;
}

QList<QJsonObject> ProcessoSimulador::registros(const QString &evento) const
{
    QList<QJsonObject> lista;
    for (const QJsonObject &r : registros()) {
        if (r.value(QStringLiteral("evento")).toString() == evento)
            lista.append(r);
    }
    return lista;
}
