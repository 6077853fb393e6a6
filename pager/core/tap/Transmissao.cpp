// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transmissao.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "TextoSeteBits.h"
#include "VisorEnvio.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/Diretorio.h"
#include "core/line/LinhaSerial.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/Programa.h"

namespace {

const QString kDesconectando = QStringLiteral("Desconectando Modem ...");
const QString kCriptografacao = QStringLiteral("Erro na criptografação da mensagem...");
const QString kLinhaPerdida = QStringLiteral(
    "A comunicação com o modem foi interrompida: a porta serial deixou de responder. As "
    "mensagens confirmadas até aqui foram registradas no histórico; verifique o modem e "
    "tente enviar novamente.");
const QString kLinhaPerdidaAoDesligar = QStringLiteral(
    "As mensagens confirmadas pela empresa de rádio chamadas foram entregues e registradas no "
    "histórico, mas a comunicação com o modem foi interrompida ao encerrar a ligação. "
    "Verifique o modem antes do próximo envio.");
// Over a TAP gateway there is no modem or serial port to blame: the connection broke.
const QString kConexaoPerdida = QStringLiteral(
    "A conexão com o gateway da empresa de rádio chamadas foi interrompida (%1). As mensagens "
    "confirmadas até aqui foram registradas no histórico; as demais podem ser enviadas "
    "novamente.");
const QString kPortaFechada = QStringLiteral(
    "Não foi possível abrir a porta serial do modem. Verifique se o modem está ligado ao "
    "computador e tente novamente.");
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
{ }

bool Transmissao::IniciaProcesso()
{
    global::EnvioIniciado() = true;
    m_modulo.status().mostraStatus(
        QStringLiteral(" Discando para a empresa de rádio chamadas, aguarde ..."));
    if (!ReabrePortaSePerdida()) {
        m_modulo.status().mostraStatus(programa::Pronto());
        return false;
    }
    if (!m_modulo.Discar()) {
        Desliga();
        return false;
    }
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
        Erro(m_diretorio.Erro().isEmpty() ? kUsuarioAusente : m_diretorio.Erro());
        Desliga();
        return false;
    }
    QByteArrayList linhas;
    if (!MontaLinhas(*dados, linhas)) {
        // The line was dialed: never leave it off-hook.
        Erro(kCriptografacao);
        Desliga();
        return false;
    }
    m_visor.mostraTitulo(QStringLiteral("Efetuando LogIn ..."));
    if (!AguardaIDeInicializaModoAutomatico()) {
        FalhaLogIn();
        return false;
    }
    m_visor.mostraTitulo(QStringLiteral("Enviando Mensagem ..."));
    const Resposta resposta = TrocaBlocos(linhas);
    if (resposta == Resposta::Falhou)
        return false;
    if (resposta == Resposta::Recusada)
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
        Erro(m_diretorio.Erro());
        Desliga();
        return false;
    }
    if (membros->NoFim()) {
        membros->Fecha();
        Desliga();
        Erro(QStringLiteral("Este grupo não possue nenhum usuário cadastrado. Não há alguém "
                            "para enviar mensagem."));
        return false;
    }
    m_visor.mostraTitulo(QStringLiteral("Efetuando LogIn ..."));
    if (!AguardaIDeInicializaModoAutomatico()) {
        FalhaLogIn();
        return false;
    }
    m_visor.iniciaProgresso(membros->NumeroDeRegistros());
    m_visor.mostraTitulo(QStringLiteral("Enviando Mensagem ..."));

    int tratados = 0;
    for (; !membros->NoFim(); membros->Proximo()) {
        const int idUsuario = membros->Campo(QStringLiteral("ID_Usuario")).toInt();
        const std::optional<DadosUsuario> dados = ObtemUsuario(idUsuario);
        ++tratados;
        if (!dados && !m_diretorio.Erro().isEmpty()) {
            Erro(m_diretorio.Erro());
            Desliga();
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
        QByteArrayList linhas;
        if (!MontaLinhas(*dados, linhas)) {
            Erro(kCriptografacao);
            Desliga();
            return false;
        }
        const Resposta resposta = TrocaBlocos(linhas);
        if (resposta == Resposta::Falhou)
            return false;
        const QString nome = TextoSeteBits::Apara(dados->Nome_Usuario);
        const QString codigo = TextoSeteBits::Apara(dados->ID_Pager);
        if (resposta == Resposta::Aceita)
            GravaLog(nome, codigo, idUsuario);
        else if (m_notaRecusa.isEmpty()) {
            m_notaRecusa = QStringLiteral("Erro na tentativa de envio para o pager de ") + nome
                + QStringLiteral(". Problemas com o código ") + codigo
                + QStringLiteral(". Possibilidade de erro na tentativa do envio das outras "
                                 "mensagens.\n");
        }
        m_visor.mostraProgresso(tratados);
        // The service hung up right after its verdict: the members left get nothing.
        if (m_servicoDesligou && tratados < membros->NumeroDeRegistros()) {
            membros->Fecha();
            ServicoDesligou();
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
    // A service that has hung up already is not logged off.
    if (!m_servicoDesligou) {
        m_modulo.Modem().escreve(QByteArrayLiteral("\x04\r"));
        m_modulo.Espera(0.05);
    }
    // Refused codes or members gone from the directory may leave nothing delivered: no
    // success then, and the compose text stays.
    if (m_entregues > 0)
        m_modulo.status().mostraStatus(QStringLiteral(" Mensagem enviada com sucesso."));
    // Every page is judged by now: a line lost here must not ask for them to be sent again.
    if (!Desliga(m_entregues > 0 ? kLinhaPerdidaAoDesligar : kLinhaPerdida))
        return m_entregues > 0;
    m_modulo.Modem().fecha();
    m_modulo.ConfiguraModem();
    m_modulo.status().mostraStatus(QStringLiteral(" Re-inicializando o modem, aguarde ..."));
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

bool Transmissao::ReabrePortaSePerdida()
{
    // A modem pulled out during an earlier send closed the port: try it again now.
    if (!LinhaPerdida())
        return true;
    if (m_modulo.ConfiguraModem())
        return true;
    Erro(kPortaFechada);
    return false;
}

bool Transmissao::Desliga(const QString &seLinhaPerdida)
{
    m_visor.mostraTitulo(kDesconectando);
    if (!LinhaPerdida())
        m_modulo.Desconectar();
    // The hang-up's own writes may be the first to find the line gone.
    if (!LinhaPerdida())
        return true;
    // Nothing to hang up on: say what happened once and leave the port for the next send.
    LinhaSerial &linha = m_modulo.Modem();
    QString motivo = linha.erro();
    if (motivo.endsWith(QLatin1Char('.')))
        motivo.chop(1);
    if (!motivo.isEmpty())
        motivo[0] = motivo.at(0).toLower();
    linha.fecha();
    if (!linha.temModem())
        Erro(kConexaoPerdida.arg(motivo));
    else
        Erro(seLinhaPerdida.isEmpty() ? kLinhaPerdida : seLinhaPerdida);
    m_modulo.status().mostraStatus(programa::Pronto());
    return false;
}

bool Transmissao::LinhaPerdida() const
{
    return m_modulo.Modem().fechadaOuPerdida();
}

void Transmissao::Erro(const QString &texto)
{
    m_modulo.caixa().mostra(QStringLiteral("Erro:"), texto, CaixaMensagem::Icone::Informacao);
}
