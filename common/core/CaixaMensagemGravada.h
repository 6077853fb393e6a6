// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaixaMensagem.h"

#include <QList>
#include <functional>

// Test double of the message box: records title, text, icon and buttons of every box,
// and answers questions from a queue (then with `respostaPadrao`). It never blocks.
class CaixaMensagemGravada : public CaixaMensagem
{
public:
    struct Registro
    {
        QString titulo;
        QString texto;
        Icone icone;
        Botoes botoes;
    };

    Resposta mostra(const QString &titulo, const QString &texto, Icone icone,
                    Botoes botoes = Botoes::Ok) override;

    // Answers for the next questions, in order.
    void responde(std::initializer_list<Resposta> respostas);
    // Called at each box, before it is answered (to look at the windows of that moment).
    void aoMostrar(std::function<void(const Registro &)> f) { m_aoMostrar = std::move(f); }

    const QList<Registro> &registros() const { return m_registros; }
    QStringList textos() const;
    int quantidade() const { return static_cast<int>(m_registros.size()); }
    const Registro &ultimo() const { return m_registros.constLast(); }
    void limpa() { m_registros.clear(); }

    Resposta respostaPadrao = Resposta::Sim;

private:
    QList<Registro> m_registros;
    QList<Resposta> m_respostas;
    std::function<void(const Registro &)> m_aoMostrar;
};
