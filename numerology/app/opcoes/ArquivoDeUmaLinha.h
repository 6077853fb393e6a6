#pragma once

#include <QString>
#include <optional>

// Vistral's one-line settings files in the program folder ("Vistral.Dat", "dicas.inc",
// "enableit.dat"): read by their first line, written as one line ended by CR LF, in
// Windows-1252. A write replaces the file whole or leaves the old one untouched.
namespace ArquivoDeUmaLinha {

// The first line without its line end; nothing when the file is missing, unreadable
// or empty.
std::optional<QString> le(const QString &pasta, const QString &nome);

// Whether the first line is exactly "S"; a file that cannot be read is not.
bool contemSim(const QString &pasta, const QString &nome);

// False when the file could not be written.
bool grava(const QString &pasta, const QString &nome, const QString &linha);

inline QString simOuNao(bool sim)
{
    return sim ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace ArquivoDeUmaLinha
