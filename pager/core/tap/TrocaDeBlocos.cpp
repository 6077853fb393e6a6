// SPDX-License-Identifier: GPL-3.0-or-later
// The TAP dialogue of a call: log-on, the blocks of a page and the service's verdicts.
#include "ChamadaTAP.h"
#include "FuncoesTAP.h"
#include "TextoSeteBits.h"
#include "core/line/LinhaSerial.h"
#include "core/line/Relogio.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/Programa.h"

#include <algorithm>

using namespace FuncoesTAP;

namespace {

constexpr double kJanelaId = 15.0;
constexpr double kJanelaResposta = 5.0;
constexpr int kMaximoEnvios = 3;
// Every verdict ends with a CR; made once, not at each page.
const QList<QByteArray> kFimDeVeredito{QByteArray(1, '\r')};

const QString kNakRepetido = QStringLiteral(
    "A empresa de rádio chamadas não confirmou a mensagem depois de três envios (erro de "
    "transmissão). As mensagens confirmadas até aqui foram registradas no histórico; as "
    "demais não foram enviadas.");

// The refusal, with the service's own words when message lines came with it ("511 ...").
QString razaoDaRecusa(const QByteArray &resposta)
{
    QStringList falas;
    for (const QByteArray &linha : resposta.split('\r')) {
        const QByteArray fala = linha.trimmed();
        if (!fala.isEmpty()
            && std::all_of(fala.begin(), fala.end(), [](char c) { return c >= ' ' && c < '\x7f'; }))
            falas.append(QString::fromLatin1(fala));
    }
    const QString razao = QStringLiteral(
        "A empresa de rádio chamadas recusou a mensagem (código do pager inválido)");
    return falas.isEmpty() ? razao + QLatin1Char('.')
                           : razao + QStringLiteral(": ") + falas.join(QStringLiteral("; "));
}

} // namespace

bool ChamadaTAP::EntraNoModoAutomatico()
{
    m_razao.clear();
    if (AguardaID())
        return true;
    if (!LinhaPerdida())
        Erro(QStringLiteral("Erro na tentativa de efetuar o LogIn. Tente novamente."));
    Desliga();
    return false;
}

bool ChamadaTAP::AguardaID()
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

std::optional<QByteArrayList> ChamadaTAP::Linhas(const QString &codigo, const QString &texto)
{
    // Only printable 7-bit characters go on the line, blanks trimmed after folding so a
    // trailing line break does not leave a blank behind.
    const auto naLinha = [](const QString &t) {
        return TextoSeteBits::Apara(QString::fromLatin1(TextoSeteBits::ParaLinha(t))).toLatin1();
    };
    QByteArrayList blocos;
    if (!MontaBlocosTAP(naLinha(codigo), naLinha(texto), blocos))
        return std::nullopt;
    QByteArrayList linhas;
    for (const QByteArray &bloco : std::as_const(blocos)) {
        QByteArray checksum;
        CalculaChecksum(bloco, checksum);
        linhas.append(bloco + checksum + CR);
    }
    return linhas;
}

ChamadaTAP::Resultado ChamadaTAP::EnviaPagina(const QString &codigo, const QString &texto)
{
    const std::optional<QByteArrayList> linhas = Linhas(codigo, texto);
    // The line was dialed: never leave it off-hook.
    return linhas ? EnviaPagina(*linhas)
                  : Falha(QStringLiteral("Erro na criptografação da mensagem..."));
}

ChamadaTAP::Resultado ChamadaTAP::EnviaPagina(const QByteArrayList &linhas)
{
    m_razao.clear();
    m_modulo.status().mostraStatus(QStringLiteral(" Enviando mensagem, aguade ..."));
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Resultado resultado = TrocaBloco(linhas.at(i));
        // A refusal of any block refuses the page; only the last block's ACK delivers it.
        if (resultado != Resultado::Aceita)
            return resultado;
        if (m_servicoDesligou && i + 1 < linhas.size())
            return FalhaPorDesconexao();
    }
    return Resultado::Aceita;
}

ChamadaTAP::Resultado ChamadaTAP::TrocaBloco(const QByteArray &linha)
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
            return Resultado::Falhou;
        case VereditoTAP::Tipo::Desconexao:
            m_modulo.status().mostraStatus(QStringLiteral(" Desconexão solicitada pelo servidor."));
            return FalhaPorDesconexao();
        case VereditoTAP::Tipo::Aceito: return Resultado::Aceita;
        case VereditoTAP::Tipo::Recusado:
            m_razao = razaoDaRecusa(m_resposta);
            return Resultado::Recusada;
        case VereditoTAP::Tipo::Repetir: break;
        }
        // Asked for the block again by a service that has hung up: nobody is left to send it to.
        if (m_servicoDesligou)
            return FalhaPorDesconexao();
        m_modulo.status().mostraStatus(
            QStringLiteral(" Erro na transmissão, re-enviando mensagem ..."));
        if (envios == kMaximoEnvios)
            return Falha(kNakRepetido);
    }
}

VereditoTAP ChamadaTAP::AguardaVeredito()
{
    Relogio &relogio = m_modulo.relogio();
    const double prazo = relogio.agora() + kJanelaResposta;
    m_resposta.clear();
    for (;;) {
        // Every verdict ends with a CR: the reply is judged again whenever one arrives.
        QByteArray chegada;
        const double resta = prazo - relogio.agora();
        if (resta <= 0 || !m_modulo.AguardaTextos(chegada, kFimDeVeredito, resta, false))
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

ChamadaTAP::Resultado ChamadaTAP::Falha(const QString &nota)
{
    Erro(nota);
    Desliga();
    return Resultado::Falhou;
}
