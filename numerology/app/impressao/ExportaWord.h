// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrigemRelatorio.h"

#include <QUrl>
#include <functional>

class CaixaMensagem;

// Hands a report to the word processor: the program at `caminhoWord` is started with the
// report as a new document (a temporary RTF file given as its argument), and the report is
// also put on the clipboard so that it can be pasted anywhere. When no program lies at
// `caminhoWord` (a machine without LibreOffice) the document goes to the desktop's default
// application for RTF instead. It does not wait for the word processor nor check what it
// does with the file; the file stays for it to read, and this user's exports that the word
// processor has long read go at the next export.
class ExportaWord
{
public:
    // Opens a document in the desktop's application for its type; false when the desktop
    // has none or cannot start it.
    using AbreNoDesktop = std::function<bool(const QUrl &documento)>;

    explicit ExportaWord(CaixaMensagem &caixa);

    // The folder of the temporary files (the system's by default).
    void usaPastaTemporaria(const QString &pasta) { m_pastaTemporaria = pasta; }
    // Replaces QDesktopServices::openUrl, so that a test opens nothing.
    void usaDesktop(AbreNoDesktop abre) { m_abreNoDesktop = std::move(abre); }

    // True when the word processor, or the desktop's application, was started; otherwise
    // the user was told why.
    bool exporta(const OrigemRelatorio &origem, const QString &caminhoWord);

private:
    QString pasta() const;
    void apagaExportacoesAntigas() const;
    QString gravaTemporario(const QString &texto) const;

    bool abre(const QString &arquivo, const QString &caminhoWord) const;

    CaixaMensagem &m_caixa;
    QString m_pastaTemporaria;
    AbreNoDesktop m_abreNoDesktop;
};
