// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file, whatever bytes lie in it: a read sees at most 99 characters; a write
// touches only the line of its key (adding it, and its section, when absent) and keeps
// every other byte; the value written reads back.
//
// Input: file bytes NUL section NUL key NUL value (value as in fuzz::texto).
#include "Cp1252.h"
#include "Entrada.h"
#include "PastaDeTrabalho.h"
#include "core/settings/ArquivoIni.h"

#include <QFile>
#include <algorithm>

namespace {

// A section or key name as a user writes one: no brackets, equals sign, semicolon or control
// character, no blanks at its ends.
QString nome(const QByteArray &bytes, const QString &padrao)
{
    QString n;
    for (const QChar c : cp1252::decodifica(bytes))
        if (!fuzz::controle(c) && !QStringLiteral("[]=;\uFFFD").contains(c))
            n += c;
    n = n.left(40).trimmed();
    return n.isEmpty() ? padrao : n;
}

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A value that reads back as written: no control character, nothing outside the code page,
// no blanks at its ends, not wholly enclosed in quotes.
bool simples(const QString &v)
{
    if (!cp1252::representavel(v) || std::any_of(v.begin(), v.end(), fuzz::controle))
        return false;
    if (v != v.trimmed())
        return false;
    return !(v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
        && v.back() == v.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QList<QByteArray> p = fuzz::partes(dados, tamanho, 4);
    const QString secao = nome(p.at(1), QStringLiteral("DISCAGEM"));
    const QString chave = nome(p.at(2), QStringLiteral("Telefone"));
    const QString valor = fuzz::texto(p.at(3));

    ArquivoIni ini(fuzz::pastaDeTrabalho(), QStringLiteral("Tellumo.INI"));
    {
        QFile f(ini.caminho());
        EXIGE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXIGE(f.write(p.at(0)) == p.at(0).size());
    }
    const QByteArray antes = le(ini.caminho());
    EXIGE(
        ini.LePerfil(secao, chave, QStringLiteral("x")).size() <= ArquivoIni::kTamanhoMaximoValor);

    EXIGE(ini.GravaPerfil(secao, chave, valor));
    const QByteArray depois = le(ini.caminho());

    // Cut the common start and end: what the write took out lies inside one line, what it
    // put in is at most a section header, the key's line and the end of a last line.
    qsizetype inicio = 0;
    while (inicio < antes.size() && inicio < depois.size() && antes[inicio] == depois[inicio])
        ++inicio;
    qsizetype fim = 0;
    while (fim < antes.size() - inicio && fim < depois.size() - inicio
        && antes[antes.size() - 1 - fim] == depois[depois.size() - 1 - fim])
        ++fim;
    const QByteArray retirado = antes.mid(inicio, antes.size() - inicio - fim);
    const QByteArray posto = depois.mid(inicio, depois.size() - inicio - fim);
    EXIGE(!retirado.contains('\n'));
    EXIGE(posto.count('\n') <= 3);

    const QString lido = ini.LePerfil(secao, chave, QStringLiteral("x"));
    EXIGE(lido.size() <= ArquivoIni::kTamanhoMaximoValor);
    if (simples(valor))
        EXIGE(lido == valor.left(ArquivoIni::kTamanhoMaximoValor));

    // Writing the same value again changes nothing.
    EXIGE(ini.GravaPerfil(secao, chave, valor));
    EXIGE(le(ini.caminho()) == depois);
    return 0;
}
