// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transmissao.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "TextoSeteBits.h"
#include "VisorEnvio.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/Diretorio.h"
#include "core/modem/Modulo.h"

namespace {

const QString kCriptografacao = QStringLiteral("Erro na criptografação da mensagem...");
const QString kUsuarioAusente
    = QStringLiteral("O usuário escolhido não está mais cadastrado. A mensagem não foi enviada.");

QString ajusta(const QString &texto, int largura)
{
    return texto.leftJustified(largura, QLatin1Char(' '), true);
}

} // namespace

Transmissao::Transmissao(Modulo &modulo, Diretorio &diretorio, VisorEnvio &visor,
    PedidoEnvio pedido, Calendario calendario)
    : m_modulo(modulo)
    , m_diretorio(diretorio)
    , m_visor(visor)
    , m_pedido(std::move(pedido))
    , m_calendario(std::move(calendario))
    , m_chamada(modulo, &visor)
{ }

bool Transmissao::IniciaProcesso()
{
    global::EnvioIniciado() = true;
    if (!m_chamada.Disca())
        return false;
    const bool entregue
        = m_pedido.modo == PedidoEnvio::Modo::Usuario ? EnviarUsuario() : EnviarGrupo();
    MostraNotas();
    m_visor.mostraTitulo(QStringLiteral("Retornando ..."));
    return entregue;
}

bool Transmissao::EnviarUsuario()
{
    const std::optional<DadosUsuario> dados = ObtemUsuario(m_pedido.identificador);
    if (!dados) {
        m_chamada.Erro(m_diretorio.Erro().isEmpty() ? kUsuarioAusente : m_diretorio.Erro());
        m_chamada.Desliga();
        return false;
    }
    // Checked before logging on: a text that cannot go costs no log-on.
    const std::optional<QByteArrayList> linhas
        = ChamadaTAP::Linhas(dados->ID_Pager, m_pedido.texto);
    if (!linhas) {
        // The line was dialed: never leave it off-hook.
        m_chamada.Erro(kCriptografacao);
        m_chamada.Desliga();
        return false;
    }
    m_visor.mostraTitulo(QStringLiteral("Efetuando LogIn ..."));
    if (!m_chamada.EntraNoModoAutomatico())
        return false;
    m_visor.mostraTitulo(QStringLiteral("Enviando Mensagem ..."));
    const ChamadaTAP::Resultado resultado = m_chamada.EnviaPagina(*linhas);
    if (resultado == ChamadaTAP::Resultado::Falhou)
        return false;
    if (resultado == ChamadaTAP::Resultado::Recusada)
        m_notaRecusa += QStringLiteral("Código do Pager de usuário Inválido.\n\n");
    else
        GravaLog(
            dados->Nome_Usuario, TextoSeteBits::Apara(dados->ID_Pager), m_pedido.identificador);
    return Encerra();
}

bool Transmissao::EnviarGrupo()
{
    std::optional<Instantaneo> membros;
    {
        CursorOcupado ampulheta;
        membros = m_diretorio.MembrosDoGrupo(m_pedido.identificador);
    }
    if (!membros) {
        m_chamada.Erro(m_diretorio.Erro());
        m_chamada.Desliga();
        return false;
    }
    if (membros->NoFim()) {
        membros->Fecha();
        m_chamada.Desliga();
        m_chamada.Erro(
            QStringLiteral("Este grupo não possue nenhum usuário cadastrado. Não há alguém "
                           "para enviar mensagem."));
        return false;
    }
    m_visor.mostraTitulo(QStringLiteral("Efetuando LogIn ..."));
    if (!m_chamada.EntraNoModoAutomatico())
        return false;
    m_visor.iniciaProgresso(membros->NumeroDeRegistros());
    m_visor.mostraTitulo(QStringLiteral("Enviando Mensagem ..."));

    int tratados = 0;
    for (; !membros->NoFim(); membros->Proximo()) {
        const int idUsuario = membros->Campo(QStringLiteral("ID_Usuario")).toInt();
        const std::optional<DadosUsuario> dados = ObtemUsuario(idUsuario);
        ++tratados;
        if (!dados && !m_diretorio.Erro().isEmpty()) {
            m_chamada.Erro(m_diretorio.Erro());
            m_chamada.Desliga();
            return false;
        }
        if (!dados) {
            // Removed by another operator since the list was read: the others still go.
            m_notasExtras += QStringLiteral("O usuário de número %1 não está mais cadastrado; "
                                            "a mensagem não foi enviada a ele.\n")
                                 .arg(idUsuario);
            m_visor.mostraProgresso(tratados);
            continue;
        }
        const ChamadaTAP::Resultado resultado
            = m_chamada.EnviaPagina(dados->ID_Pager, m_pedido.texto);
        if (resultado == ChamadaTAP::Resultado::Falhou)
            return false;
        const QString nome = TextoSeteBits::Apara(dados->Nome_Usuario);
        const QString codigo = TextoSeteBits::Apara(dados->ID_Pager);
        if (resultado == ChamadaTAP::Resultado::Aceita)
            GravaLog(nome, codigo, idUsuario);
        else if (m_notaRecusa.isEmpty()) {
            m_notaRecusa = QStringLiteral("Erro na tentativa de envio para o pager de ") + nome
                + QStringLiteral(". Problemas com o código ") + codigo
                + QStringLiteral(". Possibilidade de erro na tentativa do envio das outras "
                                 "mensagens.\n");
        }
        m_visor.mostraProgresso(tratados);
        // The service hung up right after its verdict: the members left get nothing.
        if (m_chamada.ServicoDesligou() && tratados < membros->NumeroDeRegistros()) {
            membros->Fecha();
            m_chamada.FalhaPorDesconexao();
            return false;
        }
    }
    membros->Fecha();
    return Encerra();
}

std::optional<DadosUsuario> Transmissao::ObtemUsuario(int idUsuario)
{
    std::optional<Instantaneo> usuario;
    {
        CursorOcupado ampulheta;
        usuario = m_diretorio.PagerENomeUsuario(idUsuario);
    }
    if (!usuario || usuario->NoFim())
        return std::nullopt;
    DadosUsuario dados{ajusta(usuario->Campo(QStringLiteral("ID_Pager")).toString(), 10),
        ajusta(usuario->Campo(QStringLiteral("Nome_Usuario")).toString(), 50)};
    usuario->Fecha();
    return dados;
}

bool Transmissao::Encerra()
{
    // Refused codes or members gone from the directory may leave nothing delivered: no
    // success then, and the compose text stays.
    m_chamada.Encerra(m_entregues > 0);
    return m_entregues > 0;
}

void Transmissao::MostraNotas()
{
    const QString notas = m_notaRecusa + m_notasExtras;
    if (notas.isEmpty())
        return;
    m_modulo.caixa().mostra(m_pedido.modo == PedidoEnvio::Modo::Usuario
            ? QStringLiteral("Erro:")
            : QStringLiteral("Erro(s):"),
        notas, CaixaMensagem::Icone::Informacao);
}

void Transmissao::GravaLog(const QString &nome, const QString &codigoPager, int idUsuario)
{
    ++m_entregues;
    // Written now, before the next line goes out: a process ended in between keeps the row
    // of a page the service took. One reading of the clock, so a row written at midnight
    // never mixes two days.
    if (m_diretorio.GravaLog(m_calendario(), nome, m_pedido.texto, codigoPager, idUsuario))
        return;
    if (!m_logFalhou) {
        m_notasExtras += QStringLiteral("A mensagem foi entregue, mas não pôde ser registrada "
                                        "no histórico: ")
            + m_diretorio.Erro() + QLatin1Char('\n');
    }
    m_logFalhou = true;
}
