// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diario.h"

#include <QByteArray>
#include <atomic>
#include <unistd.h>

namespace diario {

namespace {
std::atomic<bool> detalhado{false};
}

void Escreve(Prioridade prioridade, const QString &texto)
{
    if (prioridade == Prioridade::Depuracao && !Detalhado())
        return;
    // One line per event: a text's own line breaks would start lines without a priority.
    QString linha = texto;
    linha.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray bytes
        = '<' + QByteArray::number(static_cast<int>(prioridade)) + '>' + linha.toUtf8() + '\n';
    // One write(2) per line, so lines from two threads never interleave.
    qsizetype feito = 0;
    while (feito < bytes.size()) {
        const ssize_t n = ::write(STDERR_FILENO, bytes.constData() + feito, bytes.size() - feito);
        if (n <= 0)
            return;
        feito += n;
    }
}

void DefineDetalhado(bool valor)
{
    detalhado = valor;
}

bool Detalhado()
{
    return detalhado;
}

} // namespace diario
