// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every title and text that recado shows, exactly as the user reads them.
namespace textos {

inline QString tituloErro()
{
    return QStringLiteral("Erro:");
}
inline QString erroSocket()
{
    return QStringLiteral("Erro na tentativa de criar um novo Socket.");
}
inline QString erroEndereco()
{
    return QStringLiteral("Não foi possível encontrar o endereço IP especificado pelo programa.\n"
                          "\nPossível causa:\nVocê não está conectado à Internet.");
}
inline QString conexaoCancelada()
{
    return QStringLiteral("A conexão foi forçadamente cancelada...");
}
inline QString erroDoSistema(const QString &textoDoSistema)
{
    return QStringLiteral("Erro: %1.").arg(textoDoSistema);
}
inline QString erroEnvio()
{
    return QStringLiteral("Houve um erro sério na tentativa do envio desta mensagem...");
}

inline QString tituloAdvertencia()
{
    return QStringLiteral("Advertência:");
}
inline QString mensagemCurta()
{
    return QStringLiteral("Desculpe, mas a mensagem deve possuir um mínimo de 5 caracteres.");
}

inline QString tituloLimite()
{
    return QStringLiteral("Limite Esgotado");
}
inline QString limiteEsgotado()
{
    return QStringLiteral(
        "Desculpe, mas o programa não pode enviar mensagens que ultrapassem 200 caracteres.");
}

inline QString tituloConfirmacao()
{
    return QStringLiteral("Confirmação:");
}
inline QString confirmaEnvio(const QString &texto)
{
    return QStringLiteral("Confirma o envio da mensagem \"") + texto
        + QStringLiteral("\" para Quorvane®?");
}

inline QString tituloEnviada()
{
    return QStringLiteral("Mensagem Enviada");
}
inline QString obrigado()
{
    return QStringLiteral("Obrigado!\nSua Mensagem estará chegando em segundos...");
}

inline QString tituloJanela()
{
    return QStringLiteral("Mensagem para Quorvane® via InterNet");
}

} // namespace textos
