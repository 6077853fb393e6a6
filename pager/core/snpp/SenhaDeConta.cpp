// SPDX-License-Identifier: GPL-3.0-or-later
#include "SenhaDeConta.h"

#include <sodium.h>

namespace {

// Argon2id with two passes over 19 MiB: the interactive cost commonly recommended, and low
// enough that a login does not push the service past its memory budget.
constexpr unsigned long long kPassadas = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t kMemoria = 19u * 1024u * 1024u;

bool iniciada()
{
    // sodium_init is safe to call again and from several threads; -1 only on failure.
    static const bool ok = sodium_init() >= 0;
    return ok;
}

} // namespace

namespace SenhaDeConta {

QByteArray Resumo(const QString &senha)
{
    if (!iniciada())
        return {};
    const QByteArray bytes = senha.toUtf8();
    char resumo[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(resumo, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
            kPassadas, kMemoria)
        != 0)
        return {};
    return QByteArray(resumo);
}

bool Confere(const QByteArray &resumo, const QString &senha)
{
    // The library reads a zero-ended hash of at most STRBYTES - 1 characters.
    if (!iniciada() || resumo.isEmpty() || resumo.size() >= crypto_pwhash_STRBYTES
        || resumo.contains('\0'))
        return false;
    const QByteArray bytes = senha.toUtf8();
    return crypto_pwhash_str_verify(
               resumo.constData(), bytes.constData(), static_cast<unsigned long long>(bytes.size()))
        == 0;
}

} // namespace SenhaDeConta
