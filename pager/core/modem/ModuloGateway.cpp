// SPDX-License-Identifier: GPL-3.0-or-later
// The modem steps on a line without a modem: a TAP gateway reached over TCP. There is no
// modem to initialise, to dial or to hang up, so none of the modem's fixed pauses apply.
#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "Modulo.h"
#include "PainelStatus.h"
#include "core/line/LinhaSerial.h"
#include "core/line/Relogio.h"
#include "core/settings/Programa.h"

bool Modulo::ConectaGateway(QString *motivo)
{
    using Conexao = LinhaSerial::Conexao;
    m_modem.conecta();
    {
        // As the wait for a dial result: the window repaints, the pointer is the hourglass.
        CursorOcupado ampulheta;
        const double prazo = m_relogio.agora() + kEsperaConexao;
        while (m_modem.conexao() == Conexao::EmCurso) {
            const double resta = prazo - m_relogio.agora();
            if (resta <= 0)
                break;
            m_relogio.aguardaEntrada(m_modem, resta, true);
        }
    }
    const Conexao conexao = m_modem.conexao();
    if (conexao == Conexao::Feita)
        return true;
    const bool esgotado = conexao == Conexao::EmCurso;
    if (esgotado)
        m_modem.desconecta();
    const QString gateway = DispositivoDaPorta(m_numeroPorta).mid(4);
    const QString texto
        = QStringLiteral(
            "Não foi possível conectar ao gateway da empresa de rádio chamadas (%1): %2")
              .arg(
                  gateway, esgotado ? QStringLiteral("Tempo de espera esgotado.") : m_modem.erro());
    if (motivo)
        *motivo = texto;
    m_caixa.mostra(QStringLiteral("Erro:"), texto,
        esgotado ? CaixaMensagem::Icone::Critico : CaixaMensagem::Icone::Informacao);
    return false;
}

void Modulo::DesconectaGateway()
{
    CursorOcupado ampulheta;
    m_status.mostraStatus(QStringLiteral(" Desconectando modem, aguarde ..."));
    m_modem.desconecta();
    m_status.mostraStatus(programa::Pronto());
}
