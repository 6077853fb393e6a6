#pragma once

#include <QByteArray>

// One TCP stream to the maker's server, opened once and used for one request.
// The sender reports failures to the user; a connection only says what went wrong.
class Conexao
{
public:
    // The step that failed when a connection could not be opened.
    enum class Etapa { Nenhuma, Socket, Endereco, Conexao };

    struct Resultado
    {
        Etapa etapa = Etapa::Nenhuma;
        int erro = 0; // the system's error number (errno) of the failed step, 0 if none
        bool ok() const { return etapa == Etapa::Nenhuma; }
    };

    virtual ~Conexao() = default;

    // Resolves `host`, takes its first IPv4 address and connects to `porta`. Blocks.
    virtual Resultado abre(const QByteArray &host, quint16 porta) = 0;
    // Sends every byte; returns 0 or the system's error number.
    virtual int envia(const QByteArray &bytes) = 0;
    // Closes without reading anything the server may have answered. Harmless when closed.
    virtual void fecha() = 0;
};
