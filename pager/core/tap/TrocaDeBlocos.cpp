// SPDX-License-Identifier: GPL-3.0-or-later
// The TAP dialogue of a transmission: log-on, one block and its verdict, the Log row.
#include "CaixaMensagem.h"
#include "FuncoesTAP.h"
#include "TextoSeteBits.h"
#include "Transmissao.h"
#include "VereditoTAP.h"
#include "core/directory/Diretorio.h"
#include "core/line/LinhaSerial.h"
#include "core/line/Relogio.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/Programa.h"

using namespace FuncoesTAP;

namespace {

constexpr double kJanelaId = 15.0;
constexpr double kJanelaResposta = 5.0;
constexpr int kMaximoEnvios = 3;

const QString kServicoDesligou = QStringLiteral(
    "A empresa de rádio chamadas encerrou a ligação. As mensagens confirmadas até aqui foram "
    "registradas no histórico; as demais não foram enviadas.");
const QString kNakRepetido = QStringLiteral(
    "A empresa de rádio chamadas não confirmou a mensagem depois de três envios (erro de "
    "transmissão). As mensagens confirmadas até aqui foram registradas no histórico; as "
    "demais não foram enviadas.");

} // namespace

bool Transmissao::AguardaIDeInicializaModoAutomatico()
{
    PainelStatus &status = m_modulo.status();
    Relogio &relogio = m_modulo.relogio();
    LinhaSerial &modem = m_modulo.Modem();
    status.mostraStatus(QStringLiteral(" Verificando compatibilidade do sistema, aguarde ..."));
    m_resposta.clear();
    // The service prompts "ID=" only when it hears a CR: one a second until it does.
    const double janela = relogio.agora() + kJanelaId;
    do {
        modem.escreve(CR);
        m_modulo.Espera(1.0);
        m_resposta += modem.le();
    } while (!m_resposta.contains("ID=") && relogio.agora() < janela && !LinhaPerdida());
    if (!LinhaPerdida())
        m_modulo.Espera(1.0);
    // Judged after the extra pause: a prompt in the window's last second is too late.
    if (LinhaPerdida() || relogio.agora() >= janela) {
        status.mostraStatus(programa::Pronto());
        return false;
    }
    status.mostraStatus(
        QStringLiteral(" Aguardando a autorização para enviar mensagens, aguarde ...    "));
    modem.escreve(ESC + QByteArrayLiteral("PG1") + CR);
    m_modulo.Espera(0.02);
    const bool aceito = m_modulo.AguardaTextos(m_resposta, {ACK}, kJanelaResposta, false);
    if (aceito)
        m_modulo.Espera(0.01);
    status.mostraStatus(programa::Pronto());
    return aceito;
}

void Transmissao::FalhaLogIn()
{
    if (!LinhaPerdida())
        Erro(QStringLiteral("Erro na tentativa de efetuar o LogIn. Tente novamente."));
    Desliga();
}

bool Transmissao::MontaLinhas(const DadosUsuario &dados, QByteArrayList &linhas)
{
    // Only printable 7-bit characters go on the line, blanks trimmed after folding so a
    // trailing line break does not leave a blank behind.
    const auto naLinha = [](const QString &texto) {
        return TextoSeteBits::Apara(QString::fromLatin1(TextoSeteBits::ParaLinha(texto)))
            .toLatin1();
    };
    QByteArrayList blocos;
    if (!MontaBlocosTAP(naLinha(dados.ID_Pager), naLinha(m_pedido.texto), blocos))
        return false;
    linhas.clear();
    for (const QByteArray &bloco : std::as_const(blocos)) {
        QByteArray checksum;
        CalculaChecksum(bloco, checksum);
        linhas.append(bloco + checksum + CR);
    }
    return true;
}

Transmissao::Resposta Transmissao::TrocaBlocos(const QByteArrayList &linhas)
{
    m_modulo.status().mostraStatus(QStringLiteral(" Enviando mensagem, aguade ..."));
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Resposta resposta = TrocaBloco(linhas.at(i));
        // A refusal of any block refuses the page; only the last block's ACK delivers it.
        if (resposta != Resposta::Aceita)
            return resposta;
        if (m_servicoDesligou && i + 1 < linhas.size())
            return ServicoDesligou();
    }
    return Resposta::Aceita;
}

Transmissao::Resposta Transmissao::TrocaBloco(const QByteArray &linha)
{
    for (int envios = 1;; ++envios) {
        m_modulo.Modem().escreve(linha);
        const VereditoTAP veredito = AguardaVeredito();
        m_servicoDesligou = veredito.servicoDesligou;
        switch (veredito.tipo) {
        case VereditoTAP::Tipo::Nenhum:
            if (!LinhaPerdida())
                Erro(QStringLiteral(
                    "Erro: Time Out - Aguardando confirmação do dígito verificador ..."));
            Desliga();
            return Resposta::Falhou;
        case VereditoTAP::Tipo::Desconexao:
            m_modulo.status().mostraStatus(QStringLiteral(" Desconexão solicitada pelo servidor."));
            return ServicoDesligou();
        case VereditoTAP::Tipo::Aceito: return Resposta::Aceita;
        case VereditoTAP::Tipo::Recusado: return Resposta::Recusada;
        case VereditoTAP::Tipo::Repetir: break;
        }
        // Asked for the block again by a service that has hung up: nobody is left to send it to.
        if (m_servicoDesligou)
            return ServicoDesligou();
        m_modulo.status().mostraStatus(
            QStringLiteral(" Erro na transmissão, re-enviando mensagem ..."));
        if (envios == kMaximoEnvios)
            return Falha(kNakRepetido);
    }
}

VereditoTAP Transmissao::AguardaVeredito()
{
    Relogio &relogio = m_modulo.relogio();
    const double prazo = relogio.agora() + kJanelaResposta;
    m_resposta.clear();
    for (;;) {
        // Every verdict ends with a CR: the reply is judged again whenever one arrives.
        QByteArray chegada;
        const double resta = prazo - relogio.agora();
        if (resta <= 0 || !m_modulo.AguardaTextos(chegada, {CR}, resta, false))
            return {};
        m_resposta += chegada;
        const VereditoTAP veredito = JulgaRespostaTAP(m_resposta);
        if (veredito.tipo != VereditoTAP::Tipo::Nenhum)
            return veredito;
        // A verdict still to come holds no CR before its own: the lines before the last CR
        // can be let go, and a service that talks on and on does not grow the buffer.
        m_resposta.remove(0, m_resposta.lastIndexOf(CR));
    }
}

Transmissao::Resposta Transmissao::Falha(const QString &nota)
{
    Erro(nota);
    Desliga();
    return Resposta::Falhou;
}

Transmissao::Resposta Transmissao::ServicoDesligou()
{
    return Falha(kServicoDesligou);
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
