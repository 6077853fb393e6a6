// SPDX-License-Identifier: GPL-3.0-or-later
#include "Modulo.h"

#include "CaixaMensagem.h"
#include "Cp1252.h"
#include "CursorOcupado.h"
#include "Discagem.h"
#include "PainelStatus.h"
#include "core/line/LinhaSerial.h"
#include "core/line/Relogio.h"
#include "core/settings/ArquivoIni.h"
#include "core/settings/Programa.h"

#include <cmath>

namespace {

const QString kSecaoModem = QStringLiteral("MODEM");
const QString kTituloErro = QStringLiteral("Erro:");
constexpr char kCR = '\r';
constexpr double kEsperaOk = 4.0;
// A reply this long without any awaited text is no modem's or service's: the wait ends
// as a time-out instead of holding the processor and the memory for the whole limit.
constexpr qsizetype kMaximoResposta = 4 * LinhaSerial::kMaximoLeitura;

bool contemAlgum(const QByteArray &buffer, const QList<QByteArray> &textos)
{
    for (const QByteArray &t : textos) {
        if (buffer.contains(t))
            return true;
    }
    return false;
}

} // namespace

Modulo::Modulo(ArquivoIni &ini, LinhaSerial &modem, Relogio &relogio, CaixaMensagem &caixa,
    PainelStatus &status)
    : m_ini(ini)
    , m_modem(modem)
    , m_relogio(relogio)
    , m_caixa(caixa)
    , m_status(status)
{ }

int Modulo::PortaDasConfiguracoes() const
{
    // Rounded; far-off values are no port at all.
    const double v = std::round(
        ValorNumerico(m_ini.LePerfil(kSecaoModem, QStringLiteral("Porta Serial"), QString())));
    return v >= 1 && v <= 4 ? static_cast<int>(v) : 0;
}

QString Modulo::DispositivoDaPorta(int numero) const
{
    if (numero < 1 || numero > 4)
        return {};
    return m_ini.LePerfil(kSecaoModem, QStringLiteral("COM%1").arg(numero),
        QStringLiteral("/dev/ttyS%1").arg(numero - 1));
}

bool Modulo::ConfiguraModem(QString *motivo)
{
    const QString dispositivo = DispositivoDaPorta(m_numeroPorta);
    if (motivo)
        motivo->clear();
    if (dispositivo.isEmpty())
        return false;
    const QString configuracoes = m_ini.LePerfil(
        kSecaoModem, QStringLiteral("Configurações"), QStringLiteral("9600,e,7,1"));
    if (m_modem.abre(dispositivo, configuracoes))
        return true;
    if (motivo)
        *motivo = m_modem.erro();
    return false;
}

bool Modulo::Escreve(const QString &texto)
{
    return m_modem.escreve(cp1252::codifica(texto));
}

void Modulo::avisaTimeOutModem(QString *motivo)
{
    const QString texto = QStringLiteral("Modem TimeOut: Ha a possibilidade da porta serial "
                                         "selecionada não possuir nenhum um modem instalado.");
    if (motivo)
        *motivo = texto;
    m_caixa.mostra(QStringLiteral("Informação:"), texto, CaixaMensagem::Icone::Informacao);
}

bool Modulo::aguardaOk(QString *motivo)
{
    if (AguardaResposta("OK", kEsperaOk))
        return true;
    // A vanished line is told once, by the caller that owns the call; a line closed because
    // the program is ending is told nothing at all.
    if (!m_modem.fechadaOuPerdida())
        avisaTimeOutModem(motivo);
    return false;
}

void Modulo::InicializaModem()
{
    if (!m_modem.temModem())
        return;
    const QString inicializacao = SoImprimiveis(
        m_ini.LePerfil(kSecaoModem, QStringLiteral("Inicialização"), QStringLiteral("ATZ")));
    Escreve(inicializacao + QLatin1Char(kCR));
    aguardaOk();
    Espera(0.05);
    if (m_modem.fechadaOuPerdida())
        return;
    Escreve(QStringLiteral("ate0\r"));
    aguardaOk();
}

bool Modulo::AguardaTextos(
    QByteArray &buffer, const QList<QByteArray> &textos, double segundos, bool processaEventos)
{
    const double prazo = m_relogio.agora() + segundos;
    for (;;) {
        buffer += m_modem.le();
        if (contemAlgum(buffer, textos))
            break;
        const double resta = prazo - m_relogio.agora();
        if (resta <= 0 || m_modem.fechadaOuPerdida() || buffer.size() > kMaximoResposta)
            return false;
        m_relogio.aguardaEntrada(m_modem, resta, processaEventos);
    }
    return m_relogio.agora() < prazo;
}

bool Modulo::AguardaResposta(const QByteArray &texto, double segundos)
{
    QByteArray buffer;
    return AguardaTextos(buffer, {texto}, segundos, false);
}

void Modulo::Espera(double segundos)
{
    m_relogio.espera(segundos);
}

void Modulo::LimpaEntrada()
{
    // Bounded: a line that never stops sending keeps the rest, and the next wait judges it.
    qsizetype descartados = 0;
    do {
        descartados += m_modem.le().size();
    } while (m_modem.aguardando() > 0 && descartados < kMaximoResposta);
}

bool Modulo::Discar(QString *motivo)
{
    if (motivo)
        motivo->clear();
    if (!m_modem.temModem())
        return ConectaGateway(motivo);
    LimpaEntrada();
    Escreve(QStringLiteral("ATE0\r"));
    if (!aguardaOk(motivo))
        return false;
    const QString linha = MontaLinhaDiscagem(LeParametrosDiscagem(m_ini));
    Espera(0.2);
    Escreve(linha + QLatin1Char(kCR));
    Espera(0.1);
    const int codigo = AguardaConexao();
    if (m_modem.fechadaOuPerdida())
        return false;

    const auto erro = [this, motivo](const QString &texto, CaixaMensagem::Icone icone) {
        if (motivo)
            *motivo = texto;
        m_caixa.mostra(kTituloErro, texto, icone);
    };
    switch (codigo) {
    case kConectado: break;
    case kOcupado:
        erro(QStringLiteral("O telefone chamado está com sinal de linha ocupada, tente novamente."),
            CaixaMensagem::Icone::Informacao);
        break;
    case kSemTom:
        erro(QStringLiteral("Não foi possível receber um tom de discagem. Caso você esteje "
                            "discando a partir de uma linha PABX, consulte o manual para saber "
                            "como resolver este problema."),
            CaixaMensagem::Icone::Informacao);
        break;
    case kSemPortadora:
        erro(QStringLiteral("Não foi possível receber um tom de discagem - Desconectado. Caso "
                            "você esteje discando a partir de uma linha PABX, consulte o manual "
                            "para saber como resolver este problema."),
            CaixaMensagem::Icone::Informacao);
        break;
    default:
        erro(QStringLiteral("Modem Time Out: Tempo de espera esgostado."),
            CaixaMensagem::Icone::Critico);
        break;
    }
    Espera(0.2);
    return codigo == kConectado;
}

int Modulo::AguardaConexao()
{
    QByteArray buffer;
    bool chegou;
    {
        CursorOcupado ampulheta;
        chegou = AguardaTextos(buffer, CodigosDeResultado(), kEsperaConexao, true);
    }
    if (!chegou)
        return kSemResposta;
    // The code's line may still be arriving ("CONNECT 9600"): give it half a second.
    Espera(0.5);
    buffer += m_modem.le();
    const int codigo = ClassificaResposta(buffer);
    Espera(0.1);
    LimpaEntrada();
    return codigo;
}

void Modulo::Desconectar()
{
    if (!m_modem.temModem())
        return DesconectaGateway();
    CursorOcupado ampulheta;
    m_status.mostraStatus(QStringLiteral(" Desconectando modem, aguarde ..."));
    Escreve(QStringLiteral("+++"));
    Espera(3.0);
    Escreve(QStringLiteral("ATH0\r"));
    Espera(2.0);
    LimpaEntrada();
    Espera(0.1);
    m_status.mostraStatus(programa::Pronto());
}
