// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes one Vistral data file from its UTF-8 source.
//   GeradorRegistros registros <fonte.txt> <saida.DAT>   interpretation records
//   GeradorRegistros linhas <fonte.txt> <saida>          one line per entry, CR LF
// On any fault it prints the source name, the line and the reason, writes nothing and
// exits with 1 so the build stops.
#include "MontagemTextos.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstdio>

namespace {

int falha(const QString &texto)
{
    std::fprintf(stderr, "GeradorRegistros: %s\n", qUtf8Printable(texto));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        return falha(QStringLiteral("uso: GeradorRegistros registros|linhas <fonte> <saida>"));
    const QString modo = QString::fromLocal8Bit(argv[1]);
    const QString nomeFonte = QString::fromLocal8Bit(argv[2]);
    const QString nomeSaida = QString::fromLocal8Bit(argv[3]);
    if (modo != QLatin1String("registros") && modo != QLatin1String("linhas"))
        return falha(QStringLiteral("modo desconhecido \"%1\"").arg(modo));

    QFile fonte(nomeFonte);
    if (!fonte.open(QIODevice::ReadOnly))
        return falha(QStringLiteral("%1: %2").arg(nomeFonte, fonte.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(fonte.readAll());
    if (utf8.hasError())
        return falha(QStringLiteral("%1: o arquivo não está em UTF-8").arg(nomeFonte));

    const montagem::Resultado r = modo == QLatin1String("registros")
        ? montagem::montaRegistros(texto)
        : montagem::montaLinhas(texto);
    if (!r.ok())
        return falha(QStringLiteral("%1: %2").arg(nomeFonte, r.erro));

    // Written whole or not at all, so a failed run never leaves a half file for the build.
    QSaveFile saida(nomeSaida);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(r.dados) != r.dados.size()
        || !saida.commit())
        return falha(QStringLiteral("%1: %2").arg(nomeSaida, saida.errorString()));
    return 0;
}
