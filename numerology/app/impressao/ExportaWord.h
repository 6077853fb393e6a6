#pragma once

#include "OrigemRelatorio.h"

class CaixaMensagem;

// Hands a report to the word processor: the program at `caminhoWord` is started with the
// report as a new document (a temporary RTF file given as its argument), and the report is
// also put on the clipboard so that it can be pasted anywhere. It does not wait for the
// word processor nor check what it does with the file; the file stays for it to read, and
// this user's exports that the word processor has long read go at the next export.
class ExportaWord
{
public:
    explicit ExportaWord(CaixaMensagem &caixa)
        : m_caixa(caixa)
    { }

    // The folder of the temporary files (the system's by default).
    void usaPastaTemporaria(const QString &pasta) { m_pastaTemporaria = pasta; }

    // True when the word processor was started; otherwise the user was told why.
    bool exporta(const OrigemRelatorio &origem, const QString &caminhoWord);

private:
    QString pasta() const;
    void apagaExportacoesAntigas() const;
    QString gravaTemporario(const QString &texto) const;

    CaixaMensagem &m_caixa;
    QString m_pastaTemporaria;
};
