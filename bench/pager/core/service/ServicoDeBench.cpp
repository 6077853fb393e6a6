// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicoDeBench.h"

#include "BancoDeTeste.h"
#include "Cp1252.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"

#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTimer>
#include <csignal>
#include <unistd.h>

ServicoDeBench::ServicoDeBench()
{
    QString motivo;
    if (!pasta_.isValid())
        erro_ = QStringLiteral("pasta temporária não criada");
    else if (!BancoDeTeste::CriaBancoVazio(pasta_.path(), QStringLiteral("Pager.Mdb"), &motivo))
        erro_ = QStringLiteral("diretório não criado: ") + motivo;
}

ServicoDeBench::~ServicoDeBench()
{
    if (Executando()) {
        processo_.kill();
        processo_.waitForFinished(5000);
    }
}

QString ServicoDeBench::Banco() const
{
    return pasta_.filePath(QStringLiteral("Pager.Mdb"));
}

bool ServicoDeBench::CriaUsuarios(int quantos)
{
    const QFileInfo arquivo(Banco());
    if (!AbreBancoDeDados(arquivo.absolutePath(), arquivo.fileName())) {
        erro_ = QStringLiteral("diretório não aberto");
        return false;
    }
    Diretorio diretorio;
    bool ok = true;
    for (int i = 0; ok && i < quantos; ++i)
        ok = diretorio
                 .InsereUsuario(QStringLiteral("Plantão"), Codigo(i), QDate::currentDate(),
                     QStringLiteral("Operador %1").arg(i))
                 .has_value();
    if (!ok)
        erro_ = diretorio.Erro();
    FechaBancoDeDados();
    return ok;
}

bool ServicoDeBench::Inicia(
    const QString &secoes, std::function<void(const QByteArray &)> aoEscrever, int esperaMs)
{
    const QString ini = pasta_.filePath(QStringLiteral("servico.ini"));
    QFile arquivo(ini);
    if (!arquivo.open(QIODevice::WriteOnly)
        || arquivo.write(
               cp1252::codifica(QStringLiteral("[BANCO]\nArquivo=%1\n").arg(Banco()) + secoes))
            < 0) {
        erro_ = QStringLiteral("servico.ini não gravado");
        return false;
    }
    arquivo.close();

    aoEscrever_ = std::move(aoEscrever);
    QObject::connect(
        &processo_, &QProcess::readyReadStandardError, &processo_, [this] { LeDiario(); });
    QEventLoop laco;
    espera_ = &laco;
    QObject::connect(&processo_, &QProcess::finished, &laco, &QEventLoop::quit);
    QTimer::singleShot(esperaMs, &laco, &QEventLoop::quit);
    processo_.setStandardOutputFile(QProcess::nullDevice());
    processo_.start(QStringLiteral(TELLUMO_SERVICO), {QStringLiteral("--config"), ini});
    if (processo_.waitForStarted(esperaMs) && !escutando_)
        laco.exec();
    espera_ = nullptr;
    if (!escutando_) {
        erro_ = QStringLiteral("o serviço não começou a escutar: ")
            + QString::fromUtf8(resto_ + processo_.readAllStandardError());
        processo_.kill();
        processo_.waitForFinished(5000);
    }
    return escutando_;
}

void ServicoDeBench::LeDiario()
{
    resto_ += processo_.readAllStandardError();
    qsizetype fim;
    while ((fim = resto_.indexOf('\n')) >= 0) {
        QByteArray linha = resto_.left(fim);
        resto_.remove(0, fim + 1);
        // Without the journald priority ("<6>").
        linha.remove(0, linha.startsWith('<') ? linha.indexOf('>') + 1 : 0);
        if (!escutando_ && linha.contains("Recebendo páginas por SNPP")) {
            escutando_ = true;
            if (espera_)
                espera_->quit();
        }
        if (aoEscrever_)
            aoEscrever_(linha);
    }
}

bool ServicoDeBench::Para()
{
    if (!Executando())
        return false;
    ::kill(static_cast<pid_t>(Pid()), SIGTERM);
    return processo_.waitForFinished(10000) && processo_.exitStatus() == QProcess::NormalExit
        && processo_.exitCode() == 0;
}

QList<QByteArray> ServicoDeBench::Campos(const QString &caminho) const
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray texto = arquivo.readAll();
    // The command's name, in parentheses, may hold blanks: the fields start after it.
    return texto.mid(texto.lastIndexOf(')') + 1).simplified().split(' ');
}

double ServicoDeBench::ProcessadorMs() const
{
    // After ")": state is field 3 of the whole line, utime 14 and stime 15.
    const QList<QByteArray> campos = Campos(QStringLiteral("/proc/%1/stat").arg(Pid()));
    if (campos.size() < 13)
        return -1;
    const double tique = 1000.0 / double(::sysconf(_SC_CLK_TCK));
    return double(campos.at(11).toLongLong() + campos.at(12).toLongLong()) * tique;
}

double ServicoDeBench::ProcessadorExatoMs() const
{
    const QString tarefas = QStringLiteral("/proc/%1/task").arg(Pid());
    double ns = 0;
    for (const QString &tarefa : QDir(tarefas).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile arquivo(tarefas + u'/' + tarefa + QStringLiteral("/schedstat"));
        if (arquivo.open(QIODevice::ReadOnly))
            ns += arquivo.readAll().split(' ').value(0).toDouble();
    }
    return ns / 1e6;
}

namespace {

qint64 ValorDoStatus(const QByteArray &status, const QByteArray &chave)
{
    for (const QByteArray &linha : status.split('\n'))
        if (linha.startsWith(chave))
            return linha.mid(chave.size()).simplified().split(' ').value(0).toLongLong();
    return -1;
}

QByteArray Le(const QString &caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

} // namespace

double ServicoDeBench::PicoDeMemoriaMB() const
{
    return double(ValorDoStatus(Le(QStringLiteral("/proc/%1/status").arg(Pid())), "VmHWM:")) / 1024;
}

qint64 ServicoDeBench::TrocasDeContexto() const
{
    const QString tarefas = QStringLiteral("/proc/%1/task").arg(Pid());
    qint64 soma = 0;
    for (const QString &tarefa : QDir(tarefas).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray status = Le(tarefas + u'/' + tarefa + QStringLiteral("/status"));
        soma += ValorDoStatus(status, "voluntary_ctxt_switches:")
            + ValorDoStatus(status, "nonvoluntary_ctxt_switches:");
    }
    return soma;
}

quint16 ServicoDeBench::PortaLivre()
{
    QTcpServer servidor;
    servidor.listen(QHostAddress::LocalHost, 0);
    return servidor.serverPort();
}
