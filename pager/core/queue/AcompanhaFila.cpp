// SPDX-License-Identifier: GPL-3.0-or-later
#include "AcompanhaFila.h"

#include "FilaDePaginas.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/MotorDoBanco.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QSqlDriver>
#include <QSqlQuery>

namespace {

// How long a burst of changes gathers before the queue is read again.
constexpr int kJuntaMs = 250;

} // namespace

AcompanhaFila::AcompanhaFila(QObject *pai)
    : QObject(pai)
{
    espera_.setSingleShot(true);
    espera_.setInterval(kJuntaMs);
    connect(&espera_, &QTimer::timeout, this, &AcompanhaFila::Mudou);

    QSqlDatabase banco = BancoDeDados();
    if (!banco.isOpen())
        return;
    if (motor::De(banco) == motor::Tipo::Servidor) {
        QSqlDriver *driver = banco.driver();
        const QString aviso = QString::fromLatin1(FilaDePaginas::kAviso);
        connect(driver, &QSqlDriver::notification, this, [this, aviso](const QString &nome) {
            if (nome == aviso)
                Agenda();
        });
        // Another part of the program may listen already; then it also unsubscribes.
        const bool jaOuvia = driver->subscribedToNotifications().contains(aviso);
        if (!jaOuvia && driver->subscribeToNotification(aviso))
            inscrito_ = driver;
        ouvindo_ = jaOuvia || inscrito_;
        if (!ouvindo_)
            disconnect(driver, nullptr, this, nullptr);
        return;
    }
    const QString arquivo = banco.databaseName();
    QStringList caminhos{arquivo};
    // With the write-ahead log a commit writes only the log: the file itself changes at
    // checkpoints.
    QSqlQuery modo(banco);
    if (modo.exec(QStringLiteral("PRAGMA journal_mode")) && modo.next()
        && modo.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
        caminhos << arquivo + QStringLiteral("-wal");
    modo.finish();
    vigia_ = new QFileSystemWatcher(this);
    for (const QString &caminho : std::as_const(caminhos)) {
        if (QFile::exists(caminho))
            vigia_->addPath(caminho);
    }
    connect(vigia_, &QFileSystemWatcher::fileChanged, this, [this](const QString &caminho) {
        // A file replaced or removed and made again is no longer watched: watch the new one.
        if (!vigia_->files().contains(caminho) && QFile::exists(caminho))
            vigia_->addPath(caminho);
        Agenda();
    });
}

AcompanhaFila::~AcompanhaFila()
{
    if (inscrito_ && inscrito_->isOpen())
        inscrito_->unsubscribeFromNotification(QString::fromLatin1(FilaDePaginas::kAviso));
}

bool AcompanhaFila::Ativo() const
{
    return ouvindo_ || (vigia_ && !vigia_->files().isEmpty());
}

void AcompanhaFila::Agenda()
{
    // Not restarted: a queue that keeps changing is still read every kJuntaMs.
    if (!espera_.isActive())
        espera_.start();
}
