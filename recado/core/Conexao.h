// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

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

    // Opens as abre() does, but returns at once: `pronto` is called later from the event
    // loop of `contexto`'s thread with the result, never after `contexto` is gone. This
    // plain version runs abre() from that event loop; a real connection waits elsewhere.
    virtual void abreSemBloquear(const QByteArray &host, quint16 porta, QObject *contexto,
        std::function<void(Resultado)> pronto)
    {
        QMetaObject::invokeMethod(
            contexto, [this, host, porta, pronto] { pronto(abre(host, porta)); },
            Qt::QueuedConnection);
    }

    // Sends every byte; returns 0 or the system's error number.
    virtual int envia(const QByteArray &bytes) = 0;
    // Closes without reading anything the server may have answered. Harmless when closed.
    virtual void fecha() = 0;
};
