// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tap/PedidoEnvio.h"
#include "core/tap/Transmissao.h"
#include "core/tap/VisorEnvio.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <functional>

class Modulo;
class frmMontaMsg;
class QLabel;
class QProgressBar;
class QTimer;

// The send window: a small modal window that runs one transmission when it first becomes
// active and closes itself when the transmission ends. It shows the title panel
// (pnlTitulo), the group's progress gauge (valStatus) and a seven-picture animation
// (imgFigura, tmpTemporizador). The user cannot close it while the line is in use; the
// transmission itself lives in Transmissao.
class frmShowDoEnvio : public QDialog, public VisorEnvio
{
    Q_OBJECT
public:
    frmShowDoEnvio(Modulo &modulo, PedidoEnvio pedido, QWidget *pai = nullptr,
        Transmissao::Calendario calendario = &QDateTime::currentDateTime);

    // True when the last transmission delivered the message (the compose text is emptied).
    bool Sucesso() const { return m_sucesso; }
    // The animation's frame counter, 0 before the first tick, then 1 to 7.
    int Quadro() const { return m_quadro; }
    const QList<QPixmap> &imgFig() const { return m_figuras; }

    void mostraTitulo(const QString &titulo) override;
    void iniciaProgresso(int maximo) override;
    void mostraProgresso(int valor) override;

public Q_SLOTS:
    // Runs the transmission unless this window's transmission has started already.
    void Form_Activate();
    void tmpTemporizador_Timer();
    void reject() override;

protected:
    bool event(QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    Modulo &m_modulo;
    PedidoEnvio m_pedido;
    Transmissao::Calendario m_calendario;
    QLabel *m_titulo = nullptr;
    QProgressBar *m_progresso = nullptr;
    QLabel *m_figura = nullptr;
    QTimer *m_temporizador = nullptr;
    QList<QPixmap> m_figuras;
    int m_quadro = 0;
    bool m_executando = false;
    bool m_sucesso = false;
};

// Opens the send window modally over the compose window; true when the message went out.
// The compose window sets global::EnvioIniciado() to false before calling it.
bool ExibeEnvio(QWidget &janelaMontaMsg, Modulo &modulo, const PedidoEnvio &pedido,
    Transmissao::Calendario calendario = &QDateTime::currentDateTime);

// The compose window's send hook: the send window over it, and its text emptied after a
// delivery.
std::function<void(frmMontaMsg &, const PedidoEnvio &)> ShowDoEnvio(
    Modulo &modulo, Transmissao::Calendario calendario = &QDateTime::currentDateTime);
