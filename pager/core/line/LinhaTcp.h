// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinhaSerial.h"

#include <memory>

class ProcuraDeNome;
struct TentativaDeConexao;

// The line to a paging company's TAP gateway over TCP, named "tcp:HOST:PORT" (an IPv6
// address in brackets). Past the connection it carries the same TAP dialogue a modem
// carries after "CONNECT", so the transmission runs over it unchanged. Opening it only
// reads the name; conecta() looks the name up (ProcuraDeNome) and connects (ConectaTcp) on
// a helper thread that signals the end on a descriptor, so the window keeps repainting
// however slow the name server is. An attempt given up (fecha, desconecta) ends at once;
// only a pending look-up goes on, and the next attempt takes it over. Every other wait
// blocks in poll(); nothing spins. The gateway closing the connection makes the line lost,
// once what it sent before has been read. The settings text has no meaning here.
// Not thread-safe: one thread owns the line.
class LinhaTcp : public LinhaSerial
{
public:
    LinhaTcp() = default;
    ~LinhaTcp() override;
    LinhaTcp(const LinhaTcp &) = delete;
    LinhaTcp &operator=(const LinhaTcp &) = delete;

    // True when `dispositivo` names a gateway ("tcp:" in any case) rather than a device.
    static bool NomeiaGateway(const QString &dispositivo);

    // False, with erro(), when the text is no "tcp:HOST:PORT" with a port 1 to 65535.
    bool abre(const QString &dispositivo, const QString &configuracoes) override;
    void fecha() override;
    bool aberta() const override { return m_aberta; }
    // False unless connected.
    bool escreve(const QByteArray &bytes) override;
    QByteArray le() override;
    int aguardando() override;
    // Unconnected and not connecting, nothing can arrive: it then just waits the time out.
    bool aguardaEntrada(int milissegundos) override;
    bool perdida() const override { return m_perdida; }
    int descritor() const override;
    QString erro() const override { return m_erro; }

    bool temModem() const override { return false; }
    void conecta() override;
    Conexao conexao() override;
    void desconecta() override;

private:
    void marcaPerdida(const QString &motivo);

    bool m_aberta = false;
    bool m_perdida = false;
    int m_fd = -1;
    Conexao m_conexao = Conexao::Nenhuma;
    QByteArray m_host;
    QByteArray m_porta;
    QString m_erro;
    std::shared_ptr<TentativaDeConexao> m_tentativa;
    std::shared_ptr<ProcuraDeNome> m_procura; // the last look-up, finished or not
};
