// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <functional>
#include <memory>

class LinhaRoteirizada;
class ModemHayes;

// The paging service behind a scripted modem, for the transmission tests. Like a real line
// of 7 data bits it loses bit 7 of every byte before it reads it. Its first CR is answered
// with "ID=" after `idApos` seconds (never when negative); ESC "PG1" CR with `respostaLogon`;
// each block with what `respostaBloco` gives for it (by default ACK CR when the checksum of
// the 7-bit bytes is right, NAK CR otherwise); an empty answer is silence. It records the
// blocks and log-offs it saw.
class ServicoTapRoteirizado
{
public:
    struct Estado
    {
        double idApos = 0.3;
        double atraso = 0.1;
        QByteArray respostaLogon = "110 1.8\r\x06\r\x1b[p\r";
        // n counts the blocks received, from 0.
        std::function<QByteArray(int n, const QByteArray &bloco)> respostaBloco;
        QByteArrayList blocos;
        int logoffs = 0;
        bool pediuId = false;
    };

    ServicoTapRoteirizado();

    // Puts the service behind the modem's connection.
    void instala(ModemHayes &modem);

    Estado &estado() { return *m_estado; }
    const QByteArrayList &blocos() const { return m_estado->blocos; }

    // ACK CR when the checksum of the block (as bytes of the line) is right, else NAK CR.
    static QByteArray julga(const QByteArray &bloco);

private:
    std::shared_ptr<Estado> m_estado;
};
