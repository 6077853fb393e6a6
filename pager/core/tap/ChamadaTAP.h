// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VereditoTAP.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <functional>
#include <optional>

class Modulo;
class VisorEnvio;

// One call to the paging service, as the send window and the paging service both make it:
// dial (or connect), log on with TAP in automatic mode, send pages one at a time and judge
// the service's verdict on each, log off, hang up and reopen the port. It speaks through
// the Modulo (line, clock, message box, status line) and shows its title on a VisorEnvio
// when one is given; it owns neither. It writes nothing to the directory: what an accepted
// page leaves behind (a Log row, a queue state) is the caller's.
//
// Every failure is shown in the Modulo's message box and kept as Razao(), the text the
// caller may store for the page (a refusal is only kept); a failed step has already hung
// up, so a call that went wrong never leaves the line off-hook.
class ChamadaTAP
{
public:
    enum class Resultado {
        Aceita, // ACK of the page's last block
        Recusada, // RS: the service will never take this page (Razao() says so)
        Falhou, // time-out, NAK three times, ESC EOT, lost line: hung up, Razao() says why
    };

    explicit ChamadaTAP(Modulo &modulo, VisorEnvio *visor = nullptr);

    // Reopens a port lost in an earlier call and dials; false (the line hung up or the port
    // left closed, Razao() set) when no connection was made.
    bool Disca();

    // TAP log-on in automatic mode; false (shown, hung up) when the service did not accept
    // it.
    bool EntraNoModoAutomatico();

    // The page's lines (blocks with checksum and CR): code and text folded to printable
    // 7-bit characters and trimmed; nothing for a text too long for a page.
    static std::optional<QByteArrayList> Linhas(const QString &codigo, const QString &texto);

    // Sends one page (its blocks, each up to three times while NAKed) and judges it.
    Resultado EnviaPagina(const QString &codigo, const QString &texto);
    Resultado EnviaPagina(const QByteArrayList &linhas);

    // The service sent ESC EOT CR with its last verdict: it has ended the call, and pages
    // still to go must not be sent.
    bool ServicoDesligou() const { return m_servicoDesligou; }
    // For a call the service ended while pages were left: shows it, hangs up, gives Falhou.
    Resultado FalhaPorDesconexao();

    // Logs off (EOT CR, unless the service has hung up), hangs up and reopens the port.
    // `entregou`: some page was accepted (the success status and the wording of a line
    // lost now depend on it). False when the line was found lost on the way.
    bool Encerra(bool entregou);

    // Hangs up; false when the line had vanished (then `seLinhaPerdida`, or the general
    // lost-line text, is shown and the port closed).
    bool Desliga(const QString &seLinhaPerdida = {});

    // `passo` runs before the call logs off, hangs up or shows a failure, while the line is
    // still up: what the caller owes for the pages accepted so far (their commit).
    void AntesDeDesligar(std::function<void()> passo) { m_antesDeDesligar = std::move(passo); }

    // Shows `texto` in a message box titled "Erro:" and keeps it as Razao().
    void Erro(const QString &texto);

    // The text of the last failure or refusal.
    const QString &Razao() const { return m_razao; }

private:
    bool ReabrePortaSePerdida();
    bool AguardaID();
    Resultado TrocaBloco(const QByteArray &linha);
    VereditoTAP AguardaVeredito();
    // Shows `nota`, hangs up, and gives Falhou.
    Resultado Falha(const QString &nota);
    bool LinhaPerdida() const;

    Modulo &m_modulo;
    VisorEnvio *m_visor;
    QByteArray m_resposta;
    QString m_razao;
    bool m_servicoDesligou = false; // ESC EOT CR came with the last verdict
    std::function<void()> m_antesDeDesligar;
};
