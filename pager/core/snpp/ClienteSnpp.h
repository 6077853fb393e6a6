// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// Where an SNPP server listens, as a user writes it: "host", "host:porta", "[::1]:porta" or a
// bare IPv6 address (which keeps the default port).
struct EnderecoSnpp
{
    static constexpr quint16 PortaPadrao = 444; // RFC 1861
    QString servidor = QStringLiteral("127.0.0.1");
    quint16 porta = PortaPadrao;

    // Nothing when the port is not a number from 1 to 65535 or the host is empty.
    static std::optional<EnderecoSnpp> Le(const QString &texto);
};

// One request: the same text to every destination (a code, a user's name or a group's name,
// which the server resolves).
struct PedidoSnpp
{
    EnderecoSnpp endereco;
    QString conta; // empty: no LOGI
    QString senha; // sent with LOGI only
    QStringList destinos;
    QString texto;
};

struct ResultadoEnvio
{
    enum class Resultado {
        Aceito, // SEND answered 250: the pages are in the server's queue
        Recusado, // the server answered 5xx; `motivo` is its reply line as it came
        Inalcancavel, // no connection, no answer in time, a 4xx, or the connection
                      // lost before SEND's 250; `motivo` says which, in Portuguese
    };
    Resultado resultado = Resultado::Inalcancavel;
    QString identificador; // the request's, from SEND's reply
    QString motivo;
};

// A blocking SNPP client (RFC 1861) for scripts: one connection, one request, then QUIT. It
// needs no event loop; every wait for the server is bounded by `espera`. It does not retry:
// the caller decides what an unreachable server means.
class ClienteSnpp
{
public:
    explicit ClienteSnpp(std::chrono::milliseconds espera = std::chrono::seconds(30))
        : m_espera(espera)
    { }

    // LOGI when there is an account, PAGE for each destination, MESS for one line of text or
    // DATA for several, SEND. The text goes as UTF-8.
    ResultadoEnvio Envia(const PedidoSnpp &pedido) const;

private:
    std::chrono::milliseconds m_espera;
};
