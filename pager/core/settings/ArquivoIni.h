// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Tellumo's settings file ("Tellumo.INI"): sections in square brackets followed by
// key=value lines, Windows-1252 bytes, CR LF line ends. Reads and writes one key at a
// time, straight from and to the disk, with the meaning of the classic profile functions:
// - a read returns the default when the section or the key is absent; a key present with
//   an empty value reads empty; at most 99 characters of a value are seen;
// - the first of duplicated sections or keys is the one that counts;
// - section and key names are compared without regard to case (Windows-1252 letters:
//   "ç" is "Ç"), accents counting; values are returned exactly as stored; blanks around
//   names and values are ignored, and a value wholly enclosed in quotes is read without them;
// - a write creates the folder, the file and the section when needed, changes only the
//   value of that key (or adds a line) and keeps every other byte; it replaces the file
//   atomically, so a failed write leaves the old file whole.
// It deliberately never deletes anything and keeps no copy of the file in memory.
class ArquivoIni
{
public:
    // `pasta` is the folder of the file (see pastaConfiguracaoPadrao), `nome` its bare name.
    ArquivoIni(const QString &pasta, const QString &nome);

    QString LePerfil(const QString &secao, const QString &chave, const QString &padrao) const;

    // Returns false when the file could not be written (the old file is then untouched).
    bool GravaPerfil(const QString &secao, const QString &chave, const QString &valor);

    QString caminho() const { return m_caminho; }
    QString pasta() const { return m_pasta; }

    // The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
    static QString pastaConfiguracaoPadrao();

    // Longest value a read returns (the classic 100-character buffer less its terminator).
    static constexpr int kTamanhoMaximoValor = 99;

private:
    QString m_pasta;
    QString m_caminho;
};
