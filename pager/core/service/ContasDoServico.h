// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

// The accounts clients log in with (SNPP's LOGI): a file of its own, apart from the settings
// so that only the service's user reads it, one "conta:resumo" line per account, the resumo
// being the salted hash `tellumo-servico --senha CONTA` prints (SenhaDeConta). Blank lines and
// lines starting with '#' are skipped. Account names are kept as written.
namespace ContasDoServico {

// The accounts of the file; std::nullopt with a Portuguese `motivo` when the file cannot be
// read or a line is not "conta:resumo".
std::optional<QHash<QString, QByteArray>> Le(const QString &caminho, QString *motivo);

// The line to add to the file for `conta` with a fresh hash of `senha`; empty when the name
// cannot be kept in the file (empty, blanks, ':') or the hash could not be made.
QByteArray Linha(const QString &conta, const QString &senha);

} // namespace ContasDoServico
