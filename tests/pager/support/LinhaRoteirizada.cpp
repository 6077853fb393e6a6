// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinhaRoteirizada.h"

#include "RelogioVirtual.h"

bool LinhaRoteirizada::abre(const QString &dispositivo, const QString &configuracoes)
{
    m_aberturas.append(dispositivo + QLatin1Char('|') + configuracoes);
    m_aberta = !m_aceita || m_aceita(dispositivo, configuracoes);
    m_perdida = false;
    m_entrada.clear();
    m_dispositivo = m_aberta ? dispositivo : QString();
    return m_aberta;
}

void LinhaRoteirizada::chega(const QByteArray &bytes)
{
    if (m_aberta && !m_perdida)
        m_entrada += bytes;
}

void LinhaRoteirizada::chegaApos(double segundos, const QByteArray &bytes)
{
    m_relogio.agendaApos(segundos, [this, bytes] { chega(bytes); });
}

void LinhaRoteirizada::derruba()
{
    m_perdida = true;
    m_entrada.clear();
}

QByteArray LinhaRoteirizada::escrito() const
{
    QByteArray tudo;
    for (const Escrita &e : m_escritas)
        tudo += e.bytes;
    return tudo;
}

bool LinhaRoteirizada::escreve(const QByteArray &bytes)
{
    if (!m_aberta || m_perdida)
        return false;
    m_escritas.append({m_relogio.agora(), bytes});
    if (m_respondedor)
        m_respondedor(bytes, *this);
    return true;
}

QByteArray LinhaRoteirizada::le()
{
    if (!m_aberta || m_perdida)
        return {};
    QByteArray lido;
    lido.swap(m_entrada);
    return lido;
}

bool LinhaRoteirizada::aguardaEntrada(int milissegundos)
{
    if (!m_aberta || m_perdida)
        return false;
    m_relogio.aguardaEntrada(*this, milissegundos / 1000.0, false);
    return !m_entrada.isEmpty();
}
