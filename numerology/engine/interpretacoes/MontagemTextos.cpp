// SPDX-License-Identifier: GPL-3.0-or-later
#include "MontagemTextos.h"

#include "Cp1252.h"

#include <QMap>
#include <QStringList>

namespace montagem {
namespace {

struct Linha
{
    int numero; // 1-based, for the messages
    QString texto;
};

// Comments vanish entirely, so a comment inside a paragraph does not split it.
QList<Linha> linhasUteis(const QString &fonte)
{
    QList<Linha> linhas;
    const QStringList todas = fonte.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < todas.size(); ++i) {
        const QString texto = todas.at(i).trimmed();
        if (!texto.startsWith(QLatin1Char('#')))
            linhas.append({static_cast<int>(i + 1), texto});
    }
    return linhas;
}

QString falha(int linha, const QString &texto)
{
    return QStringLiteral("linha %1: %2").arg(linha).arg(texto);
}

// Empty when the text can be written; otherwise what is wrong with it.
QString confereTexto(const QString &texto)
{
    for (const QChar c : texto) {
        if (!cp1252::representavel(c.unicode()))
            return QStringLiteral("o caractere U+%1 (\"%2\") não existe em Windows-1252")
                .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                .arg(c);
    }
    const qsizetype bytes = cp1252::codifica(texto).size();
    if (bytes > TamanhoRegistro)
        return QStringLiteral("o texto tem %1 bytes; o limite é %2")
            .arg(bytes)
            .arg(TamanhoRegistro);
    return {};
}

QString juntaParagrafos(const QList<Linha> &linhas)
{
    QStringList paragrafos;
    QStringList atual;
    for (const Linha &l : linhas) {
        if (!l.texto.isEmpty()) {
            atual.append(l.texto);
        } else if (!atual.isEmpty()) {
            paragrafos.append(atual.join(QLatin1Char(' ')));
            atual.clear();
        }
    }
    if (!atual.isEmpty())
        paragrafos.append(atual.join(QLatin1Char(' ')));
    return paragrafos.join(QStringLiteral("\r\n"));
}

struct Registro
{
    int linhaInicio;
    QList<Linha> linhas;
};

} // namespace

Resultado montaRegistros(const QString &fonte)
{
    QMap<int, Registro> registros;
    Registro *atual = nullptr;
    for (const Linha &l : linhasUteis(fonte)) {
        if (l.texto.startsWith(QLatin1Char('@'))) {
            bool numeroValido = false;
            const int n = l.texto.mid(1).trimmed().toInt(&numeroValido);
            if (!numeroValido || n < 1)
                return {{},
                    falha(l.numero,
                        QStringLiteral("número de registro inválido \"%1\"").arg(l.texto))};
            if (registros.contains(n))
                return {{},
                    falha(l.numero,
                        QStringLiteral("o registro %1 já apareceu na linha %2")
                            .arg(n)
                            .arg(registros.value(n).linhaInicio))};
            atual = &registros.insert(n, {l.numero, {}}).value();
        } else if (atual) {
            atual->linhas.append(l);
        } else if (!l.texto.isEmpty()) {
            return {{},
                falha(l.numero, QStringLiteral("texto antes do primeiro registro (@1, @2 ...)"))};
        }
    }
    if (registros.isEmpty())
        return {{}, QStringLiteral("a fonte não tem nenhum registro")};

    QByteArray dados(registros.lastKey() * TamanhoRegistro, ' ');
    for (auto it = registros.cbegin(); it != registros.cend(); ++it) {
        const QString texto = juntaParagrafos(it->linhas);
        const QString erro = confereTexto(texto);
        if (!erro.isEmpty())
            return {{},
                falha(it->linhaInicio, QStringLiteral("registro %1: %2").arg(it.key()).arg(erro))};
        const QByteArray bytes = cp1252::codifica(texto);
        dados.replace((it.key() - 1) * TamanhoRegistro, bytes.size(), bytes);
    }
    return {dados, {}};
}

Resultado montaLinhas(const QString &fonte)
{
    QByteArray dados;
    for (const Linha &l : linhasUteis(fonte)) {
        if (l.texto.isEmpty())
            continue;
        const QString erro = confereTexto(l.texto);
        if (!erro.isEmpty())
            return {{}, falha(l.numero, erro)};
        dados += cp1252::codifica(l.texto) + "\r\n";
    }
    return {dados, {}};
}

} // namespace montagem
