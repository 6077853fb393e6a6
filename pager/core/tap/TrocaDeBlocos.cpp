// The TAP dialogue of a transmission: log-on, one block and its verdict, the Log row.
#include "CaixaMensagem.h"
#include "FuncoesTAP.h"
#include "TextoSeteBits.h"
#include "Transmissao.h"
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

bool Transmissao::MontaLinha(const DadosUsuario &dados, QByteArray &linha)
{
    // Only printable 7-bit characters go on the line, blanks trimmed after folding so a
    // trailing line break does not leave a blank behind.
    const auto naLinha = [](const QString &texto) {
        return TextoSeteBits::Apara(QString::fromLatin1(TextoSeteBits::ParaLinha(texto)))
            .toLatin1();
    };
    QByteArray bloco;
    if (!MontaBlocoTAP(naLinha(dados.ID_Pager), naLinha(m_pedido.texto), bloco))
        return false;
    QByteArray checksum;
    CalculaChecksum(bloco, checksum);
    linha = bloco + checksum + CR;
    return true;
}

Transmissao::Resposta Transmissao::TrocaBloco(const QByteArray &linha)
{
    PainelStatus &status = m_modulo.status();
    const QByteArray desconexao = ESC + EOT + CR;
    const QByteArray recusa = CR + RS + CR;
    const QByteArray aceite = ACK + CR;
    const QByteArray erroChecksum = NAK + CR;
    status.mostraStatus(QStringLiteral(" Enviando mensagem, aguade ..."));
    for (int envios = 1;; ++envios) {
        m_resposta.clear();
        m_modulo.Modem().escreve(linha);
        const bool chegou = m_modulo.AguardaTextos(
            m_resposta, {desconexao, recusa, aceite, erroChecksum}, kJanelaResposta, false);
        if (!chegou) {
            if (!LinhaPerdida())
                Erro(QStringLiteral(
                    "Erro: Time Out - Aguardando confirmação do dígito verificador ..."));
            Desliga();
            return Resposta::Falhou;
        }
        if (m_resposta.contains(desconexao)) {
            status.mostraStatus(QStringLiteral(" Desconexão solicitada pelo servidor."));
            Desliga();
            return Resposta::Falhou;
        }
        // A NAK asks for the line again even beside a refusal: the final answer decides.
        if (!m_resposta.contains(erroChecksum))
            return m_resposta.contains(recusa) ? Resposta::Recusada : Resposta::Aceita;
        status.mostraStatus(QStringLiteral(" Erro na transmissão, re-enviando mensagem ..."));
        if (envios == kMaximoEnvios) {
            Desliga();
            return Resposta::Falhou;
        }
    }
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
