#include "ArquivoDeUmaLinha.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

std::optional<QString> ArquivoDeUmaLinha::le(const QString &pasta, const QString &nome)
{
    QFile arquivo(QDir(pasta).filePath(nome));
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = arquivo.readAll();
    if (bytes.isEmpty())
        return std::nullopt;
    qsizetype fim = 0;
    while (fim < bytes.size() && bytes.at(fim) != '\r' && bytes.at(fim) != '\n')
        ++fim;
    return cp1252::decodifica(bytes.left(fim));
}

bool ArquivoDeUmaLinha::contemSim(const QString &pasta, const QString &nome)
{
    return le(pasta, nome) == QStringLiteral("S");
}

bool ArquivoDeUmaLinha::grava(const QString &pasta, const QString &nome, const QString &linha)
{
    QSaveFile arquivo(QDir(pasta).filePath(nome));
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = cp1252::codifica(linha) + "\r\n";
    return arquivo.write(bytes) == bytes.size() && arquivo.commit();
}
