// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"

#include <QStringList>

CaixaMensagem::Resposta CaixaMensagemGravada::mostra(const QString &titulo, const QString &texto,
                                                     Icone icone, Botoes botoes)
{
    m_registros.append({titulo, texto, icone, botoes});
    if (m_aoMostrar)
        m_aoMostrar(m_registros.constLast());
    if (botoes == Botoes::Ok)
        return Resposta::Ok;
    if (!m_respostas.isEmpty())
        return m_respostas.takeFirst();
    return respostaPadrao;
}

void CaixaMensagemGravada::responde(std::initializer_list<Resposta> respostas)
{
    for (Resposta r : respostas)
        m_respostas.append(r);
}

QStringList CaixaMensagemGravada::textos() const
{
    QStringList lista;
    for (const Registro &r : m_registros)
        lista.append(r.texto);
    return lista;
}
