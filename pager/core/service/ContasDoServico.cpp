// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContasDoServico.h"

#include "core/snpp/SenhaDeConta.h"

#include <QFile>

namespace {

bool nomeValido(const QString &conta)
{
    if (conta.isEmpty())
        return false;
    for (const QChar c : conta) {
        if (c.isSpace() || c == QLatin1Char(':') || !c.isPrint())
            return false;
    }
    return true;
}

} // namespace

namespace ContasDoServico {

std::optional<QHash<QString, QByteArray>> Le(const QString &caminho, QString *motivo)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        if (motivo) {
            *motivo = QStringLiteral("Não foi possível ler o arquivo de contas %1: %2.")
                          .arg(caminho, arquivo.errorString());
        }
        return std::nullopt;
    }
    QHash<QString, QByteArray> contas;
    int numero = 0;
    while (!arquivo.atEnd()) {
        ++numero;
        const QByteArray linha = arquivo.readLine().trimmed();
        if (linha.isEmpty() || linha.startsWith('#'))
            continue;
        const qsizetype doisPontos = linha.indexOf(':');
        const QString conta = QString::fromUtf8(linha.left(doisPontos));
        const QByteArray resumo = linha.mid(doisPontos + 1);
        if (doisPontos < 0 || !nomeValido(conta) || !resumo.startsWith('$')) {
            if (motivo) {
                *motivo = QStringLiteral("A linha %1 do arquivo de contas %2 não está no formato "
                                         "conta:resumo (gere-a com tellumo-servico --senha).")
                              .arg(numero)
                              .arg(caminho);
            }
            return std::nullopt;
        }
        contas.insert(conta, resumo);
    }
    return contas;
}

QByteArray Linha(const QString &conta, const QString &senha)
{
    if (!nomeValido(conta))
        return {};
    const QByteArray resumo = SenhaDeConta::Resumo(senha);
    if (resumo.isEmpty())
        return {};
    return conta.toUtf8() + ':' + resumo;
}

} // namespace ContasDoServico
