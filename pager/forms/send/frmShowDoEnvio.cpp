// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmShowDoEnvio.h"

#include "FigurasEnvio.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/Diretorio.h"
#include "frmMontaMsg.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

frmShowDoEnvio::frmShowDoEnvio(
    Modulo &modulo, PedidoEnvio pedido, QWidget *pai, Transmissao::Calendario calendario)
    : QDialog(pai)
    , m_modulo(modulo)
    , m_pedido(std::move(pedido))
    , m_calendario(std::move(calendario))
    , m_figuras(DesenhaFigurasEnvio())
{
    setObjectName(QStringLiteral("frmShowDoEnvio"));
    setWindowTitle(QStringLiteral("Enviando Mensagem"));
    setModal(true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    m_titulo = new QLabel(QStringLiteral("Discando ..."), this);
    m_titulo->setObjectName(QStringLiteral("pnlTitulo"));
    m_titulo->setFrameShape(QFrame::Panel);
    m_titulo->setFrameShadow(QFrame::Sunken);
    m_titulo->setAlignment(Qt::AlignCenter);
    QFont fonte = m_titulo->font();
    fonte.setBold(true);
    m_titulo->setFont(fonte);
    // Room for the longest stage caption, so the window keeps one size while the stages pass.
    m_titulo->setMargin(3);
    m_titulo->setMinimumWidth(QFontMetrics(fonte).averageCharWidth() * 30);

    m_figura = new QLabel(this);
    m_figura->setObjectName(QStringLiteral("imgFigura"));
    m_figura->setAlignment(Qt::AlignCenter);
    m_figura->setPixmap(m_figuras.constFirst());

    m_progresso = new QProgressBar(this);
    m_progresso->setObjectName(QStringLiteral("valStatus"));
    // The gauge reports the members of a group; one user needs none.
    m_progresso->setVisible(m_pedido.modo == PedidoEnvio::Modo::Grupo);
    m_progresso->setRange(0, 1);
    m_progresso->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_titulo);
    layout->addWidget(m_figura);
    layout->addWidget(m_progresso);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("tmpTemporizador"));
    m_temporizador->setInterval(500);
    connect(m_temporizador, &QTimer::timeout, this, &frmShowDoEnvio::tmpTemporizador_Timer);
    m_temporizador->start();
}

void frmShowDoEnvio::mostraTitulo(const QString &titulo)
{
    m_titulo->setText(titulo);
    m_titulo->repaint();
}

void frmShowDoEnvio::iniciaProgresso(int maximo)
{
    m_progresso->setRange(0, maximo);
    m_progresso->setValue(0);
    m_progresso->setVisible(true);
    m_progresso->repaint();
}

void frmShowDoEnvio::mostraProgresso(int valor)
{
    m_progresso->setValue(valor);
    m_progresso->repaint();
}

void frmShowDoEnvio::tmpTemporizador_Timer()
{
    if (++m_quadro == 8)
        m_quadro = 1;
    m_figura->setPixmap(m_figuras.at(m_quadro - 1));
}

void frmShowDoEnvio::Form_Activate()
{
    // A later activation (after a message box had the focus) must not dial again.
    if (m_executando || global::EnvioIniciado())
        return;
    m_executando = true;
    Diretorio diretorio;
    Transmissao transmissao(m_modulo, diretorio, *this, m_pedido, m_calendario);
    m_sucesso = transmissao.IniciaProcesso();
    m_executando = false;
    accept();
}

bool frmShowDoEnvio::event(QEvent *evento)
{
    if (evento->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &frmShowDoEnvio::Form_Activate);
    return QDialog::event(evento);
}

void frmShowDoEnvio::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    // Not every platform activates a window it shows (offscreen, some window managers).
    QTimer::singleShot(0, this, &frmShowDoEnvio::Form_Activate);
}

void frmShowDoEnvio::reject()
{
    if (!m_executando)
        QDialog::reject();
}

void frmShowDoEnvio::closeEvent(QCloseEvent *evento)
{
    if (m_executando)
        evento->ignore();
    else
        QDialog::closeEvent(evento);
}

bool ExibeEnvio(QWidget &janelaMontaMsg, Modulo &modulo, const PedidoEnvio &pedido,
    Transmissao::Calendario calendario)
{
    frmShowDoEnvio janela(modulo, pedido, &janelaMontaMsg, std::move(calendario));
    janela.exec();
    return janela.Sucesso();
}

std::function<void(frmMontaMsg &, const PedidoEnvio &)> ShowDoEnvio(
    Modulo &modulo, Transmissao::Calendario calendario)
{
    return [&modulo, calendario](frmMontaMsg &janela, const PedidoEnvio &pedido) {
        if (ExibeEnvio(janela, modulo, pedido, calendario))
            janela.LimpaMensagem();
    };
}
