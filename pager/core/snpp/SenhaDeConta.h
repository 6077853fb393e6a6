// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The passwords of the service's accounts, kept only as salted hashes made by libsodium
// (Argon2id in its self-describing "$argon2id$..." form, which carries its salt and costs).
// Never stores, logs or compares a password in clear.
namespace SenhaDeConta {

// A new salted hash of the password (a fresh salt each call); empty when the library cannot
// start or has no memory for it.
QByteArray Resumo(const QString &senha);

// True when the password matches the hash; false for a wrong password and for a hash that
// is not one of libsodium's. Takes as long as making a hash, by design.
bool Confere(const QByteArray &resumo, const QString &senha);

} // namespace SenhaDeConta
