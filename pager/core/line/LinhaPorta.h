// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinhaSerial.h"
#include "LinhaSerialPosix.h"
#include "LinhaTcp.h"

// The program's `Modem`: the port as the settings name it, a serial device or a TAP
// gateway ("tcp:HOST:PORT"). Each abre() picks the line for the name it is given and closes
// the other one; every other call goes to the line picked last. It adds no behaviour.
class LinhaPorta : public LinhaSerial
{
public:
    bool abre(const QString &dispositivo, const QString &configuracoes) override;
    void fecha() override { m_atual->fecha(); }
    bool aberta() const override { return m_atual->aberta(); }
    bool escreve(const QByteArray &bytes) override { return m_atual->escreve(bytes); }
    QByteArray le() override { return m_atual->le(); }
    int aguardando() override { return m_atual->aguardando(); }
    bool aguardaEntrada(int milissegundos) override
    {
        return m_atual->aguardaEntrada(milissegundos);
    }
    bool perdida() const override { return m_atual->perdida(); }
    int descritor() const override { return m_atual->descritor(); }
    QString erro() const override { return m_atual->erro(); }
    bool temModem() const override { return m_atual->temModem(); }
    void conecta() override { m_atual->conecta(); }
    Conexao conexao() override { return m_atual->conexao(); }
    void desconecta() override { m_atual->desconecta(); }

private:
    LinhaSerialPosix m_serial;
    LinhaTcp m_tcp;
    LinhaSerial *m_atual = &m_serial;
};
