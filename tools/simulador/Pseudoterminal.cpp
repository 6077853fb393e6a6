// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pseudoterminal.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString erroDoSistema(const char *onde)
{
    return QStringLiteral("%1: %2").arg(
        QString::fromLatin1(onde), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

Pseudoterminal::~Pseudoterminal()
{
    removeLink();
    if (escravo >= 0)
        ::close(escravo);
    if (mestre >= 0)
        ::close(mestre);
}

bool Pseudoterminal::abre(QString &erro)
{
    mestre = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (mestre < 0 || ::grantpt(mestre) != 0 || ::unlockpt(mestre) != 0) {
        erro = erroDoSistema("posix_openpt");
        return false;
    }
    char nome[128];
    if (::ptsname_r(mestre, nome, sizeof nome) != 0) {
        erro = erroDoSistema("ptsname");
        return false;
    }
    caminhoEscravo = QString::fromLocal8Bit(nome);
    escravo = ::open(nome, O_RDWR | O_NOCTTY);
    if (escravo < 0) {
        erro = erroDoSistema("open");
        return false;
    }
    termios modo{};
    if (::tcgetattr(escravo, &modo) == 0) {
        ::cfmakeraw(&modo);
        ::cfsetispeed(&modo, B9600);
        ::cfsetospeed(&modo, B9600);
        ::tcsetattr(escravo, TCSANOW, &modo);
    }
    // The loop must never block on a write to a client that does not read.
    ::fcntl(mestre, F_SETFL, ::fcntl(mestre, F_GETFL) | O_NONBLOCK);
    return true;
}

bool Pseudoterminal::criaLink(const QString &link, QString &erro)
{
    const QByteArray destino = QFile::encodeName(link);
    struct stat info
    {
    };
    if (::lstat(destino.constData(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            erro = QStringLiteral("%1 existe e não é um link simbólico").arg(link);
            return false;
        }
        ::unlink(destino.constData());
    }
    if (::symlink(QFile::encodeName(caminhoEscravo).constData(), destino.constData()) != 0) {
        erro = erroDoSistema("symlink");
        return false;
    }
    linkCriado = link;
    return true;
}

void Pseudoterminal::removeLink()
{
    if (linkCriado.isEmpty())
        return;
    if (QFileInfo(linkCriado).symLinkTarget() == caminhoEscravo)
        QFile::remove(linkCriado);
    linkCriado.clear();
}
