// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicoRodando.h"

#include "core/settings/ArquivoIni.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTimer>

ServicoRodando::~ServicoRodando()
{
    mata();
}

bool ServicoRodando::inicia(const QString &secoes)
{
    if (porta == 0) {
        QTcpServer livre;
        if (!livre.listen(QHostAddress::LocalHost))
            return false;
        porta = livre.serverPort();
    }
    QFile ini(pasta.filePath(QStringLiteral("servico.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || ini.write((secoes + QStringLiteral("\n[SNPP]\nPorta=%1\n").arg(porta)).toUtf8()) < 0)
        return false;
    ini.close();
    texto.clear();
    processo.setWorkingDirectory(pasta.path());
    processo.start(
        QStringLiteral(TELLUMO_SERVICO_EXE), {QStringLiteral("--config"), ini.fileName()});
    return aguarda(QStringLiteral("^<5>Recebendo páginas por SNPP"), 1, 10000);
}

void ServicoRodando::grava(const QString &secao, const QString &chave, const QString &valor)
{
    ArquivoIni(pasta.path(), QStringLiteral("servico.ini")).GravaPerfil(secao, chave, valor);
}

bool ServicoRodando::para()
{
    if (processo.state() == QProcess::NotRunning)
        return false;
    processo.terminate();
    if (!processo.waitForFinished(10000))
        mata();
    log();
    return processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
}

void ServicoRodando::mata()
{
    if (processo.state() == QProcess::NotRunning)
        return;
    processo.kill();
    processo.waitForFinished(10000);
    log();
}

const QString &ServicoRodando::log()
{
    texto += QString::fromUtf8(processo.readAllStandardError());
    return texto;
}

int ServicoRodando::conta(const QString &padrao)
{
    const QRegularExpression expressao(padrao, QRegularExpression::MultilineOption);
    int vezes = 0;
    for (auto i = expressao.globalMatch(log()); i.hasNext(); i.next())
        ++vezes;
    return vezes;
}

bool ServicoRodando::aguarda(const QString &padrao, int vezes, int esperaMs)
{
    return aguarda(
        {this}, [&] { return conta(padrao) >= vezes; }, esperaMs);
}

bool ServicoRodando::aguarda(
    const QList<ServicoRodando *> &servicos, const std::function<bool()> &pronto, int esperaMs)
{
    QEventLoop laco;
    QTimer prazo;
    prazo.setSingleShot(true);
    QObject::connect(&prazo, &QTimer::timeout, &laco, &QEventLoop::quit);
    for (ServicoRodando *s : servicos) {
        QObject::connect(&s->processo, &QProcess::readyReadStandardError, &laco, &QEventLoop::quit);
        QObject::connect(&s->processo, &QProcess::finished, &laco, &QEventLoop::quit);
    }
    const QDeadlineTimer fim(esperaMs);
    while (!pronto()) {
        const bool algumVivo = std::any_of(servicos.cbegin(), servicos.cend(),
            [](ServicoRodando *s) { return s->processo.state() != QProcess::NotRunning; });
        if (!algumVivo || fim.hasExpired())
            return pronto();
        prazo.start(int(fim.remainingTime()));
        laco.exec();
    }
    return true;
}

QProcess *ServicoRodando::enviar(const QStringList &argumentos, QObject *dono) const
{
    auto *enviar = new QProcess(dono);
    enviar->start(QStringLiteral(TELLUMO_ENVIAR_EXE),
        QStringList{QStringLiteral("-s"), QStringLiteral("127.0.0.1:%1").arg(porta)} + argumentos);
    return enviar;
}
