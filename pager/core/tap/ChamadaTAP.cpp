// SPDX-License-Identifier: GPL-3.0-or-later
// The call around the pages: dialing, logging off, hanging up, and the texts of a lost line.
#include "ChamadaTAP.h"

#include "CaixaMensagem.h"
#include "FuncoesTAP.h"
#include "VisorEnvio.h"
#include "core/line/LinhaSerial.h"
#include "core/modem/Modulo.h"
#include "core/modem/PainelStatus.h"
#include "core/settings/Programa.h"

namespace {

const QString kDesconectando = QStringLiteral("Desconectando Modem ...");
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

} // namespace

ChamadaTAP::ChamadaTAP(Modulo &modulo, VisorEnvio *visor)
    : m_modulo(modulo)
    , m_visor(visor)
{ }

bool ChamadaTAP::Disca()
{
    m_razao.clear();
    m_servicoDesligou = false;
    m_modulo.status().mostraStatus(
        QStringLiteral(" Discando para a empresa de rádio chamadas, aguarde ..."));
    if (!ReabrePortaSePerdida()) {
        m_modulo.status().mostraStatus(programa::Pronto());
        return false;
    }
    if (m_modulo.Discar(&m_razao))
        return true;
    Desliga();
    return false;
}

bool ChamadaTAP::ReabrePortaSePerdida()
{
    // A modem pulled out during an earlier call closed the port: try it again now.
    if (!LinhaPerdida())
        return true;
    if (m_modulo.ConfiguraModem())
        return true;
    Erro(kPortaFechada);
    return false;
}

ChamadaTAP::Resultado ChamadaTAP::FalhaPorDesconexao()
{
    return Falha(QStringLiteral(
        "A empresa de rádio chamadas encerrou a ligação. As mensagens confirmadas até aqui foram "
        "registradas no histórico; as demais não foram enviadas."));
}

bool ChamadaTAP::Encerra(bool entregou)
{
    if (m_antesDeDesligar)
        m_antesDeDesligar();
    // A service that has hung up already is not logged off.
    if (!m_servicoDesligou) {
        m_modulo.Modem().escreve(FuncoesTAP::EOT + FuncoesTAP::CR);
        m_modulo.Espera(0.05);
    }
    if (entregou)
        m_modulo.status().mostraStatus(QStringLiteral(" Mensagem enviada com sucesso."));
    // Every page is judged by now: a line lost here must not ask for them to be sent again.
    if (!Desliga(entregou ? kLinhaPerdidaAoDesligar : kLinhaPerdida))
        return false;
    m_modulo.Modem().fecha();
    m_modulo.ConfiguraModem();
    m_modulo.status().mostraStatus(QStringLiteral(" Re-inicializando o modem, aguarde ..."));
    return true;
}

bool ChamadaTAP::Desliga(const QString &seLinhaPerdida)
{
    if (m_antesDeDesligar)
        m_antesDeDesligar();
    if (m_visor)
        m_visor->mostraTitulo(kDesconectando);
    if (!LinhaPerdida())
        m_modulo.Desconectar();
    // The hang-up's own writes may be the first to find the line gone.
    if (!LinhaPerdida())
        return true;
    // Nothing to hang up on: say what happened once and leave the port for the next call.
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

bool ChamadaTAP::LinhaPerdida() const
{
    return m_modulo.Modem().fechadaOuPerdida();
}

void ChamadaTAP::Erro(const QString &texto)
{
    if (m_antesDeDesligar)
        m_antesDeDesligar();
    m_razao = texto;
    m_modulo.caixa().mostra(QStringLiteral("Erro:"), texto, CaixaMensagem::Icone::Informacao);
}
