// SPDX-License-Identifier: GPL-3.0-or-later
#include "Remetente.h"

#include "ConexaoSocket.h"
#include "Pedido.h"
#include "Textos.h"

#include <cerrno>

using Icone = CaixaMensagem::Icone;

Remetente::Remetente(Conexao &conexao, CaixaMensagem &caixa, Servidor servidor)
    : m_conexao(conexao)
    , m_caixa(caixa)
    , m_servidor(std::move(servidor))
{ }

bool Remetente::conecta()
{
    return relata(m_conexao.abre(m_servidor.host, m_servidor.porta));
}

void Remetente::conectaSemBloquear(QObject *contexto, std::function<void(bool)> pronto)
{
    m_conexao.abreSemBloquear(m_servidor.host, m_servidor.porta, contexto,
        [this, pronto = std::move(pronto)](Conexao::Resultado r) { pronto(relata(r)); });
}

bool Remetente::relata(const Conexao::Resultado &r)
{
    switch (r.etapa) {
    case Conexao::Etapa::Nenhuma: return true;
    case Conexao::Etapa::Socket:
        m_caixa.mostra(textos::tituloErro(), textos::erroSocket(), Icone::Exclamacao);
        break;
    case Conexao::Etapa::Endereco:
        m_caixa.mostra(textos::tituloErro(), textos::erroEndereco(), Icone::Exclamacao);
        break;
    case Conexao::Etapa::Conexao:
        if (r.erro == ECONNREFUSED)
            m_caixa.mostra(textos::tituloErro(), textos::conexaoCancelada(), Icone::Nenhum);
        m_caixa.mostra(
            textos::tituloErro(), textos::erroDoSistema(textoDoErro(r.erro)), Icone::Exclamacao);
        break;
    }
    m_conexao.fecha();
    return false;
}

Remetente::Desfecho Remetente::confirmaEEnvia(const QString &texto)
{
    if (texto.size() < MinimoMensagem) {
        m_caixa.mostra(textos::tituloAdvertencia(), textos::mensagemCurta(), Icone::Informacao);
        return Desfecho::Fica;
    }
    if (m_caixa.pergunta(textos::tituloConfirmacao(), textos::confirmaEnvio(texto))
        != CaixaMensagem::Resposta::Sim)
        return Desfecho::Fica;

    const int erro = m_conexao.envia(montaPedido(m_servidor, codificaMensagem(texto)));
    m_conexao.fecha();
    if (erro != 0)
        m_caixa.mostra(textos::tituloErro(), textos::erroEnvio(), Icone::Nenhum);
    else
        m_caixa.mostra(textos::tituloEnviada(), textos::obrigado(), Icone::Informacao);
    return Desfecho::Termina;
}

void Remetente::fecha()
{
    m_conexao.fecha();
}
