// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChamadaTAP.h"
#include "PedidoEnvio.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class Diretorio;
class Modulo;
class VisorEnvio;

// One recipient as the transmission needs him: pager code and name, left-aligned and
// padded with blanks to 10 and 50 characters (a longer value is cut).
struct DadosUsuario
{
    QString ID_Pager;
    QString Nome_Usuario;
};

// One transmission of the compose window's text: dial the paging service, log on with
// TAP, send one page per pager (one block, or more when the page outgrows a block) and judge
// the service's replies, write one Log row per page the service accepted (as soon as the reply
// is judged; a refused page has none: the history lists delivered pages only), log off, hang
// up and reopen the port. The call itself is a ChamadaTAP. It speaks through
// the Modulo (line, clock, message box, status line), reads and writes the directory through a
// Diretorio and shows its title and progress on a VisorEnvio; it owns none of them.
// It does not open or close any window: the send window runs it and closes itself.
class Transmissao
{
public:
    // Today's date and time for the Log rows (one reading a row).
    using Calendario = std::function<QDateTime()>;

    Transmissao(Modulo &modulo, Diretorio &diretorio, VisorEnvio &visor, PedidoEnvio pedido,
        Calendario calendario = &QDateTime::currentDateTime);

    // Runs the whole transmission and then shows the notes collected on the way (a refused
    // code, a vanished member, a Log row that could not be written), whether it ended well
    // or not. True when every recipient was handled, at least one page was delivered and
    // the line was logged off (the compose text is then to be emptied).
    bool IniciaProcesso();

    // The deliveries, without the notes (IniciaProcesso shows them).
    bool EnviarUsuario();
    bool EnviarGrupo();

    // The recipient's pager code and name; nothing when no user row has the identifier or
    // the directory failed (Diretorio::Erro() then says why).
    std::optional<DadosUsuario> ObtemUsuario(int idUsuario);

private:
    void GravaLog(const QString &nome, const QString &codigoPager, int idUsuario);
    bool Encerra();
    void MostraNotas();

    Modulo &m_modulo;
    Diretorio &m_diretorio;
    VisorEnvio &m_visor;
    PedidoEnvio m_pedido;
    Calendario m_calendario;
    ChamadaTAP m_chamada;
    QString m_notaRecusa;
    QString m_notasExtras;
    int m_entregues = 0; // pages the service accepted, each with its Log row attempted
    bool m_logFalhou = false;
};
