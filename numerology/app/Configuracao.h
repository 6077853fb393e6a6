// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

class CaixaMensagem;

// Vistral's one-line settings files in the program folder: each holds a single line in
// Windows-1252 ended by CR LF and is replaced whole when written. These functions carry the
// start-up rules for them; they show no window except the first-run question, which goes
// through the message-box seam.
namespace Configuracao {

inline const QString ArquivoWord = QStringLiteral("Vistral.Dat");
inline const QString ArquivoDicas = QStringLiteral("dicas.inc");
inline const QString ArquivoInternet = QStringLiteral("enableit.dat");

// The word processor written to "Vistral.Dat" when it is missing.
inline const QString CaminhoWordPadrao = QStringLiteral("/usr/bin/lowriter");

// First line of the file, without its line end; nothing when the file is missing, cannot be
// read or is empty.
std::optional<QString> LeLinha(const QString &pastaPrograma, const QString &arquivo);

// Replaces the file with one line; false when it cannot be written.
bool GravaLinha(const QString &pastaPrograma, const QString &arquivo, const QString &linha);

// Replaces several files with one line each, all or none: every new file is written aside
// first, and only when all of them could be written do they take the old ones' places.
// False when one could not be written (its name in `falhou`); then none was replaced,
// unless the last step, a rename inside the folder, failed for one of them.
using LinhaDeArquivo = std::pair<QString, QString>; // file name, its line
bool GravaLinhas(
    const QString &pastaPrograma, const QList<LinhaDeArquivo> &linhas, QString *falhou = nullptr);

// CaminhoWord: the line of "Vistral.Dat", which is created with the default when missing or
// empty (the default is used even if the folder cannot be written).
QString LeCaminhoWord(const QString &pastaPrograma);

// UsarInternet: true when "enableit.dat" holds "S". On the first run (no readable file) asks
// the user, writes "N" for No and "S" otherwise, and reads the file again.
bool ChecaAcessoInternet(const QString &pastaPrograma, CaixaMensagem &caixa);

// Whether the tip of the day opens at start: "dicas.inc" holds exactly "S".
bool ExibeDicaAoIniciar(const QString &pastaPrograma);

} // namespace Configuracao
