// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEntraDados.h"

#include "CaixaMensagem.h"
#include "DataNascimento.h"
#include "Figuras.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLabel *rotulo(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *label = new QLabel(texto, pai);
    label->setObjectName(nome);
    return label;
}

QWidget *dica(const QString &texto, QWidget *pai)
{
    auto *painel = new QFrame(pai);
    painel->setObjectName(QStringLiteral("pnlDica"));
    painel->setFrameShape(QFrame::StyledPanel);
    auto *seta = new QLabel(painel);
    seta->setObjectName(QStringLiteral("imgSetaApontaDica"));
    seta->setPixmap(Figuras::setaDica().pixmap(20, 20));
    auto *layout = new QHBoxLayout(painel);
    layout->addWidget(seta);
    layout->addWidget(new QLabel(texto, painel), 1);
    return painel;
}

bool temCaractereAlto(const QString &texto)
{
    for (const QChar c : texto) {
        if (c.unicode() >= 128)
            return true;
    }
    return false;
}

} // namespace

frmEntraDados::frmEntraDados(CaixaMensagem &caixa, QWidget *pai)
    : QDialog(pai)
    , m_caixa(caixa)
    , m_txtNome(new QLineEdit(this))
    , m_mskDataNasc(new QLineEdit(this))
    , m_cmdOkay(new QPushButton(Figuras::okay(), QString(), this))
    , m_cmdCancelar(new QPushButton(Figuras::cancelar(), QString(), this))
{
    setObjectName(QStringLiteral("frmEntraDados"));
    setWindowTitle(QStringLiteral("Dados para Análise"));
    setModal(true);

    m_txtNome->setObjectName(QStringLiteral("txtNome"));
    m_txtNome->setToolTip(QStringLiteral("Entre o Nome para ser Analisado"));
    m_txtNome->setMaxLength(TamanhoMaximoNome);
    // Pasted text must not bring in what the keyboard filter refuses.
    m_txtNome->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}]*")), m_txtNome));
    m_txtNome->installEventFilter(this);

    m_mskDataNasc->setObjectName(QStringLiteral("mskDataNasc"));
    m_mskDataNasc->setToolTip(QStringLiteral("Entre a Data de Nascimento"));
    m_mskDataNasc->setInputMask(QStringLiteral("99/99/9999;_"));
    m_mskDataNasc->installEventFilter(this);

    m_cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    m_cmdOkay->setToolTip(QStringLiteral("Gerar Relatório de Análise"));
    m_cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    m_cmdCancelar->setToolTip(QStringLiteral("Cancelar Procedimento"));
    for (QPushButton *botao : {m_cmdOkay, m_cmdCancelar}) {
        botao->setIconSize(QSize(32, 32));
        botao->setMinimumSize(48, 44);
        botao->setAutoDefault(false);
        botao->installEventFilter(this);
    }
    connect(m_cmdOkay, &QPushButton::clicked, this, &frmEntraDados::cmdOkay_Click);
    connect(m_cmdCancelar, &QPushButton::clicked, this, &frmEntraDados::cmdCancelar_Click);

    auto *titulo = rotulo(QStringLiteral("pnlTitulo"), QStringLiteral("Dados para Análise"), this);
    QFont fonteTitulo = titulo->font();
    fonteTitulo.setBold(true);
    titulo->setFont(fonteTitulo);

    auto *campos = new QGridLayout;
    campos->addWidget(rotulo(QStringLiteral("pnlLabelDados"), QStringLiteral("Nome:"), this), 0, 0);
    campos->addWidget(m_txtNome, 0, 1, 1, 2);
    campos->addWidget(
        rotulo(QStringLiteral("pnlLabelDataNasc"), QStringLiteral("Data de Nascimento:"), this), 1,
        0);
    campos->addWidget(m_mskDataNasc, 1, 1);
    campos->setColumnStretch(2, 1);
    m_txtNome->setMinimumWidth(320);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(m_cmdOkay);
    botoes->addWidget(m_cmdCancelar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titulo);
    layout->addLayout(campos);
    layout->addWidget(dica(QStringLiteral("Digite o nome completo"), this));
    layout->addWidget(dica(QStringLiteral("Jamais utilize: acentos ou cedilha"), this));
    layout->addLayout(botoes);

    setTabOrder(m_txtNome, m_mskDataNasc);
    setTabOrder(m_mskDataNasc, m_cmdOkay);
    setTabOrder(m_cmdOkay, m_cmdCancelar);
    m_txtNome->setFocus();
}

QString frmEntraDados::nome() const
{
    return m_txtNome->text();
}

QString frmEntraDados::dataNascimento() const
{
    return m_mskDataNasc->displayText();
}

void frmEntraDados::cmdOkay_Click()
{
    if (!DataNascimentoValida(m_mskDataNasc->displayText())) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("A data informada como data de nascimento não existe. "
                           "Certifique-se de informar o ano com 4 dígitos."),
            CaixaMensagem::Icone::Critico);
        return;
    }
    if (m_txtNome->text().isEmpty()) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Você precisa informar um nome para que o programa possa "
                           "gerar um relatório de Análise Numerológica."),
            CaixaMensagem::Icone::Critico);
        return;
    }
    accept();
}

void frmEntraDados::cmdCancelar_Click()
{
    reject();
}

bool frmEntraDados::txtNome_KeyPress(QKeyEvent *tecla)
{
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
        m_mskDataNasc->setFocus();
        return true;
    }
    if (temCaractereAlto(tecla->text())) {
        QApplication::beep();
        return true;
    }
    return false;
}

bool frmEntraDados::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_txtNome) {
        if (evento->type() == QEvent::KeyPress)
            return txtNome_KeyPress(static_cast<QKeyEvent *>(evento));
        // Dead keys and compose sequences arrive through the input method, not as key presses.
        if (evento->type() == QEvent::InputMethod
            && temCaractereAlto(static_cast<QInputMethodEvent *>(evento)->commitString())) {
            QApplication::beep();
            return true;
        }
    } else if ((objeto == m_cmdOkay || objeto == m_cmdCancelar)
        && evento->type() == QEvent::KeyPress) {
        // A button that is not auto-default ignores Enter and the dialog would hand it to
        // the default button, so that Enter on Cancelar ran the analysis.
        const int tecla = static_cast<QKeyEvent *>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            static_cast<QPushButton *>(objeto)->click();
            return true;
        }
    } else if (objeto == m_mskDataNasc && evento->type() == QEvent::FocusIn) {
        // From the date box on, Enter confirms the dialog.
        m_cmdOkay->setDefault(true);
    }
    return QDialog::eventFilter(objeto, evento);
}
