// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogoMensagem.h"

#include "CaixaMensagem.h"
#include "Cp1252.h"
#include "CursorOcupado.h"
#include "Figuras.h"
#include "Pedido.h"
#include "Remetente.h"
#include "Textos.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QFont fonteDoTexto()
{
    QFont fonte(QStringLiteral("Times New Roman"));
    fonte.setStyleHint(QFont::Serif);
    fonte.setPixelSize(18);
    fonte.setBold(true);
    return fonte;
}

} // namespace

DialogoMensagem::DialogoMensagem(Remetente &remetente, CaixaMensagem &caixa, QWidget *pai)
    : QDialog(pai)
    , m_remetente(remetente)
    , m_caixa(caixa)
    , m_texto(new QPlainTextEdit(this))
    , m_enviar(new QPushButton(QStringLiteral("&Enviar"), this))
    , m_cancelar(new QPushButton(QStringLiteral("&Cancelar"), this))
    , m_figura(new QLabel(this))
{
    setObjectName(QStringLiteral("frmMensagem"));
    setWindowTitle(textos::tituloJanela());
    setWindowIcon(iconeRecado());
    setFixedSize(370, 176);

    m_texto->setObjectName(QStringLiteral("txtMensagem"));
    m_texto->setGeometry(6, 6, 255, 164);
    m_texto->setFont(fonteDoTexto());
    m_texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_texto->setTabChangesFocus(true);
    QPalette cores = m_texto->palette();
    cores.setColor(QPalette::Base, QColor(255, 255, 0));
    cores.setColor(QPalette::Text, QColor(0, 0, 255));
    m_texto->setPalette(cores);

    m_enviar->setObjectName(QStringLiteral("cmdEnviar"));
    m_enviar->setGeometry(267, 137, 98, 32);
    m_cancelar->setObjectName(QStringLiteral("cmdCancelar"));
    m_cancelar->setGeometry(267, 101, 98, 32);
    // Enter is the dialog's own key (see eventFilter), never a default button's.
    for (QPushButton *botao : {m_enviar, m_cancelar}) {
        botao->setAutoDefault(false);
        botao->setDefault(false);
    }

    m_figura->setObjectName(QStringLiteral("imgQuorvane"));
    m_figura->setGeometry(285, 8, 80, 81);
    m_figura->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_figura->setAlignment(Qt::AlignCenter);
    m_figura->setPixmap(figuraQuorvane());

    setTabOrder(m_texto, m_enviar);
    setTabOrder(m_enviar, m_cancelar);
    for (QWidget *controle : {static_cast<QWidget *>(m_texto), static_cast<QWidget *>(m_enviar),
             static_cast<QWidget *>(m_cancelar)})
        controle->installEventFilter(this);

    connect(m_texto, &QPlainTextEdit::textChanged, this, &DialogoMensagem::aoMudarTexto);
    connect(m_enviar, &QPushButton::clicked, this, &DialogoMensagem::aoEnviar);
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    m_texto->setFocus();
}

DialogoMensagem::~DialogoMensagem() = default;

void DialogoMensagem::inicia()
{
    m_enviar->setEnabled(false);
    m_conectando = std::make_unique<CursorOcupado>(Qt::BusyCursor);
    m_remetente.conectaSemBloquear(this, [this](bool conectado) {
        m_conectando.reset();
        m_enviar->setEnabled(conectado);
    });
}

// Enter, Tab and Escape belong to the dialog while it is active. Message boxes are
// windows of their own, so these keys act there as usual.
bool DialogoMensagem::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    const auto *tecla = static_cast<QKeyEvent *>(evento);
    if ((tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QDialog::eventFilter(objeto, evento);
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: aoEnter(objeto); return true;
    case Qt::Key_Tab: focusNextChild(); return true;
    case Qt::Key_Escape: reject(); return true;
    default: return QDialog::eventFilter(objeto, evento);
    }
}

void DialogoMensagem::aoEnter(QObject *origem)
{
    if (origem == m_enviar) {
        aoEnviar();
    } else if (origem == m_cancelar) {
        reject();
    } else {
        // From the text, Enter steps to the next control and sends if that is "&Enviar".
        focusNextChild();
        if (focusWidget() == m_enviar && m_enviar->isEnabled())
            aoEnviar();
    }
}

// The request carries Windows-1252 bytes: a character it cannot hold would be sent as
// something else than the confirmation showed. However it came in (key, paste, drop,
// input method), it is taken out again at once, with a beep.
void DialogoMensagem::recusaForaDoCp1252()
{
    const QString texto = m_texto->toPlainText();
    if (cp1252::representavel(texto))
        return;
    const QSignalBlocker bloqueio(m_texto);
    QTextCursor cursor(m_texto->document());
    cursor.beginEditBlock();
    for (qsizetype i = texto.size() - 1; i >= 0; --i) {
        if (cp1252::representavel(texto.at(i).unicode()))
            continue;
        cursor.setPosition(static_cast<int>(i));
        cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    QApplication::beep();
}

void DialogoMensagem::aoMudarTexto()
{
    recusaForaDoCp1252();
    const QString texto = m_texto->toPlainText();
    if (texto.size() < LimiteMensagem)
        return;
    if (texto.size() > LimiteMensagem) {
        const QSignalBlocker bloqueio(m_texto);
        m_texto->setPlainText(texto.left(LimiteMensagem));
        m_texto->moveCursor(QTextCursor::End);
    }
    m_caixa.mostra(
        textos::tituloLimite(), textos::limiteEsgotado(), CaixaMensagem::Icone::Informacao);
}

void DialogoMensagem::aoEnviar()
{
    if (!m_enviar->isEnabled())
        return;
    Remetente::Desfecho desfecho;
    {
        CursorOcupado ocupado;
        desfecho = m_remetente.confirmaEEnvia(m_texto->toPlainText());
    }
    if (desfecho == Remetente::Desfecho::Termina) {
        accept();
        return;
    }
    m_texto->setFocus();
}

void DialogoMensagem::done(int resultado)
{
    m_conectando.reset();
    m_remetente.fecha();
    QDialog::done(resultado);
}
