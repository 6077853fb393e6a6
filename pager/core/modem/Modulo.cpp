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

namespace {

const QString kSecaoModem = QStringLiteral("MODEM");
const QString kTituloErro = QStringLiteral("Erro:");
constexpr char kCR = '\r';
constexpr double kEsperaOk = 4.0;
constexpr double kEsperaConexao = 60.0;

bool contemAlgum(const QByteArray &buffer, const QList<QByteArray> &textos)
{
    for (const QByteArray &t : textos) {
        if (buffer.contains(t))
            return true;
    }
    return false;
}

// A vanished line is told once, by the caller that owns the call, never as a modem time-out.
bool perdida(const LinhaSerial &linha)
{
    return !linha.aberta() || linha.perdida();
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

QString Modulo::DispositivoDaPorta(int numero) const
{
    if (numero < 1 || numero > 4)
        return {};
    return m_ini.LePerfil(kSecaoModem, QStringLiteral("COM%1").arg(numero),
        QStringLiteral("/dev/ttyS%1").arg(numero - 1));
}

bool Modulo::ConfiguraModem()
{
    const QString dispositivo = DispositivoDaPorta(m_numeroPorta);
    if (dispositivo.isEmpty())
        return false;
    const QString configuracoes = m_ini.LePerfil(
        kSecaoModem, QStringLiteral("Configurações"), QStringLiteral("9600,e,7,1"));
    return m_modem.abre(dispositivo, configuracoes);
}

bool Modulo::Escreve(const QString &texto)
{
    return m_modem.escreve(cp1252::codifica(texto));
}

void Modulo::avisaTimeOutModem()
{
    m_caixa.mostra(QStringLiteral("Informação:"),
        QStringLiteral("Modem TimeOut: Ha a possibilidade da porta serial selecionada "
                       "não possuir nenhum um modem instalado."),
        CaixaMensagem::Icone::Informacao);
}

void Modulo::InicializaModem()
{
    if (!m_modem.temModem())
        return;
    const QString inicializacao = SoImprimiveis(
        m_ini.LePerfil(kSecaoModem, QStringLiteral("Inicialização"), QStringLiteral("ATZ")));
    Escreve(inicializacao + QLatin1Char(kCR));
    if (!AguardaResposta("OK", kEsperaOk))
        avisaTimeOutModem();
    Espera(0.05);
    Escreve(QStringLiteral("ate0\r"));
    if (!AguardaResposta("OK", kEsperaOk))
        avisaTimeOutModem();
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
        if (resta <= 0 || m_modem.perdida() || !m_modem.aberta())
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
    do {
        m_modem.le();
    } while (m_modem.aguardando() > 0);
}

bool Modulo::Discar()
{
    if (!m_modem.temModem())
        return ConectaGateway();
    LimpaEntrada();
    Escreve(QStringLiteral("ATE0\r"));
    if (!AguardaResposta("OK", kEsperaOk)) {
        if (!perdida(m_modem))
            avisaTimeOutModem();
        return false;
    }
    const QString linha = MontaLinhaDiscagem(LeParametrosDiscagem(m_ini));
    Espera(0.2);
    Escreve(linha + QLatin1Char(kCR));
    Espera(0.1);
    const int codigo = AguardaConexao();
    if (perdida(m_modem))
        return false;

    const auto erro = [this](const QString &texto, CaixaMensagem::Icone icone) {
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
