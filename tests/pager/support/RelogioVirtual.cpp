// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelogioVirtual.h"

#include "core/line/LinhaSerial.h"

#include <QCoreApplication>

void RelogioVirtual::agenda(double instante, std::function<void()> acao)
{
    m_agenda.emplace(instante < m_agora ? m_agora : instante, std::move(acao));
}

void RelogioVirtual::corre(double limite, const std::function<bool()> &parar)
{
    while (!m_agenda.empty() && m_agenda.begin()->first <= limite) {
        m_agora = std::max(m_agora, m_agenda.begin()->first);
        // Actions may schedule more actions for the same instant; run them too.
        while (!m_agenda.empty() && m_agenda.begin()->first <= m_agora) {
            auto acao = std::move(m_agenda.begin()->second);
            m_agenda.erase(m_agenda.begin());
            acao();
        }
        if (parar && parar())
            return;
    }
    m_agora = std::max(m_agora, limite);
}

void RelogioVirtual::processaEventos()
{
    ++m_comEventos;
    if (aoProcessarEventos)
        aoProcessarEventos();
    else if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void RelogioVirtual::espera(double segundos)
{
    m_pausas.append(segundos);
    corre(m_agora + segundos, {});
    processaEventos();
}

void RelogioVirtual::avanca(double segundos)
{
    corre(m_agora + segundos, {});
}

void RelogioVirtual::aguardaEntrada(LinhaSerial &linha, double segundos, bool processaEventos_)
{
    if (processaEventos_)
        processaEventos();
    else
        ++m_semEventos;
    if (linha.aguardando() > 0 || linha.perdida() || !linha.aberta())
        return;
    // A connection attempt that settles ends the wait as input would.
    const bool conectando = linha.conexao() == LinhaSerial::Conexao::EmCurso;
    corre(m_agora + segundos, [&linha, conectando] {
        return linha.aguardando() > 0 || linha.perdida()
            || (conectando && linha.conexao() != LinhaSerial::Conexao::EmCurso);
    });
}
