// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up of the main window and the "Configurar Modem" command: the two share the
// port loop and the modem initialisation.
#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "core/directory/BancoDeDados.h"
#include "core/dispatch/ServicoDeEnvio.h"
#include "core/line/LinhaSerial.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"
#include "core/settings/Programa.h"
#include "frmConfigModem.h"
#include "frmInicializa.h"
#include "frmPrincipal.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {

const QString kSecaoModem = QStringLiteral("MODEM");
const QString kPortaSerial = QStringLiteral("Porta Serial");
const QString kVazio = QStringLiteral("VAZIO");
const QString kConfigurandoModem = QStringLiteral(" Configurando modem ...");
const QString kInicializandoVariaveis = QStringLiteral(" Inicializando variáveis, aguarde ...");

} // namespace

void frmPrincipal::fechaSplash()
{
    if (m_splash)
        m_splash->close();
    m_splash.reset();
}

void frmPrincipal::abreConfigModem()
{
    frmConfigModem dialogo(*m_modulo, this);
    executaDialogo(dialogo);
}

bool frmPrincipal::lacoDaPorta()
{
    for (;;) {
        m_modulo->DefineNumeroPorta(m_modulo->PortaDasConfiguracoes());
        m_modem->fecha();
        QString motivo;
        if (m_modulo->ConfiguraModem(&motivo))
            return true;
        fechaSplash();
        mostraStatus(QStringLiteral(" Erro iniciando a porta serial do modem."));
        // The line's own reason (a malformed gateway address, settings the port refuses, a
        // port in use) goes with the question and, on "Não", takes the place of the guess
        // about another program, which stays for a port that gave none.
        QString pergunta = QStringLiteral("Houve um erro ao tentar inicializar o modem. Você "
                                          "deseja ajustar as configurações do seu modem?");
        if (!motivo.isEmpty())
            pergunta += QStringLiteral("\n\nMotivo: ") + motivo;
        const auto resposta
            = m_caixa->pergunta(QStringLiteral("Erro:"), pergunta, CaixaMensagem::Icone::Critico);
        if (resposta != CaixaMensagem::Resposta::Sim) {
            m_caixa->mostra(QStringLiteral("Informação:"),
                !motivo.isEmpty()
                    ? motivo
                    : QStringLiteral("Este erro pode ter sido ocasionado pelo fato de que "
                                     "outro aplicativo está utilizando a porta serial onde "
                                     "está instalado o seu modem. Reinicialize o seu "
                                     "computador e tente novamente."),
                CaixaMensagem::Icone::Informacao);
            return false;
        }
        mostraStatus(kConfigurandoModem);
        abreConfigModem();
    }
}

void frmPrincipal::inicializaModem()
{
    mostraStatus(QStringLiteral(" Inicializando Modem, aguarde ..."));
    setCursor(Qt::WaitCursor);
    m_modulo->InicializaModem();
    unsetCursor();
}

bool frmPrincipal::Form_Load()
{
    m_iniciando = true;
    const auto iniciado = qScopeGuard([this] { m_iniciando = false; });
    m_splash = std::make_unique<frmInicializa>();
    m_splash->Form_Load(*m_modulo);

    setWindowTitle(programa::NomePrograma() + QLatin1Char(' ') + programa::VersaoPrograma());
    show();
    pnlFooterBar_Resize();

    mostraStatus(QStringLiteral(" Inicializando Banco de Dados, aguarde ..."));
    bool bancoAberto;
    QString motivo;
    {
        CursorOcupado ampulheta;
        // Operators on several machines share a server; one alone keeps the file.
        const QString servidor
            = m_ini->LePerfil(QStringLiteral("BANCO"), QStringLiteral("Servidor"), QString());
        bancoAberto = servidor.trimmed().isEmpty()
            ? AbreBancoDeDados(m_pastaPrograma, programa::ArquivoBanco())
            : AbreServidor(servidor, &motivo);
    }
    if (!bancoAberto) {
        fechaSplash();
        mostraStatus(QStringLiteral(" Erro iniciando o bando de dados."));
        QString texto = QStringLiteral("Houve um erro sério ao tentar abrir o arquivo de dados do "
                                       "sistema.");
        if (!motivo.isEmpty())
            texto += QStringLiteral("\n\nMotivo: ") + motivo;
        m_caixa->mostra(QStringLiteral("Erro:"), texto, CaixaMensagem::Icone::Critico);
        encerraPrograma();
        return false;
    }

    // With a paging service named, the service holds the port and the desk sends through
    // it: opening the port would only fail.
    const bool pelaFila = ServicoDeEnvio::Nomeado(*m_ini);
    if (!pelaFila && m_ini->LePerfil(kSecaoModem, kPortaSerial, kVazio) == kVazio) {
        fechaSplash();
        mostraStatus(kConfigurandoModem);
        abreConfigModem();
    }
    mostraStatus(kInicializandoVariaveis);
    if (!pelaFila && !lacoDaPorta()) {
        encerraPrograma();
        return false;
    }
    if (!pelaFila)
        inicializaModem();
    // The modem's pauses let the user close the window or choose "Sair": that ends it.
    if (m_encerrado) {
        fechaSplash();
        return false;
    }
    mostraStatus(programa::Pronto());
    fechaSplash();

    if (m_ini->LePerfil(
            QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), QStringLiteral("Não"))
        == QStringLiteral("Sim"))
        mnuDigitaEnviaMsg_Click();
    return true;
}

void frmPrincipal::mnuConfigurarModem_Click()
{
    {
        frmConfigModem dialogo(*m_modulo, this);
        mostraStatus(QStringLiteral(" Lendo configurações do modem, aguarde ..."));
        dialogo.preseleciona();
        mostraStatus(QStringLiteral(" Configurando modem."));
        executaDialogo(dialogo);
    }
    mostraStatus(kInicializandoVariaveis);
    if (!lacoDaPorta()) {
        encerraPrograma();
        return;
    }
    inicializaModem();
    mostraStatus(programa::Pronto());
}
