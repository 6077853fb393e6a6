// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmConfigModem.h"

#include "core/modem/Discagem.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmConfigModem::frmConfigModem(Modulo &modulo, QWidget *pai)
    : QDialog(pai)
    , m_modulo(modulo)
{
    setObjectName(QStringLiteral("frmConfigModem"));
    const QString titulo = QStringLiteral("Configurações do Modem");
    setWindowTitle(titulo);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(creditos::criaBanner(titulo, this));

    auto *fraPorta = new QGroupBox(QStringLiteral("Porta Serial:"), this);
    fraPorta->setObjectName(QStringLiteral("fraPortaSerial"));
    auto *portas = new QHBoxLayout(fraPorta);
    for (int i = 0; i < 4; ++i) {
        m_com[i] = new QRadioButton(QStringLiteral("COM %1").arg(i + 1), fraPorta);
        m_com[i]->setObjectName(QStringLiteral("optCom%1").arg(i + 1));
        portas->addWidget(m_com[i]);
    }
    layout->addWidget(fraPorta);

    auto *fraTipo = new QGroupBox(
        QStringLiteral("Tipo de Discagem (Se não souber, deixe como Pulso):"), this);
    fraTipo->setObjectName(QStringLiteral("fraTipoDiscagem"));
    auto *tipos = new QHBoxLayout(fraTipo);
    m_tom = new QRadioButton(QStringLiteral("Tom"), fraTipo);
    m_tom->setObjectName(QStringLiteral("optDiscagemTom"));
    m_pulso = new QRadioButton(QStringLiteral("Pulso"), fraTipo);
    m_pulso->setObjectName(QStringLiteral("optDiscagemPulso"));
    tipos->addWidget(m_tom);
    tipos->addWidget(m_pulso);
    layout->addWidget(fraTipo);

    auto *linhaPrefixo = new QHBoxLayout;
    auto *pnlMsg = new QLabel(QStringLiteral(" Qual o código DDD da sua cidade?"), this);
    pnlMsg->setObjectName(QStringLiteral("pnlMsg"));
    m_prefixo = new QLineEdit(QStringLiteral("011"), this);
    m_prefixo->setObjectName(QStringLiteral("txtPrefixo"));
    m_prefixo->setMaxLength(4);
    AceitaSoCp1252(m_prefixo);
    pnlMsg->setBuddy(m_prefixo);
    linhaPrefixo->addWidget(pnlMsg);
    linhaPrefixo->addWidget(m_prefixo);
    layout->addLayout(linhaPrefixo);

    QPushButton *cmdOkay = creditos::criaRodape(layout, this);
    connect(cmdOkay, &QPushButton::clicked, this, &frmConfigModem::cmdOkay_Click);
}

void frmConfigModem::preseleciona()
{
    ArquivoIni &ini = m_modulo.ini();
    const QString porta = ini.LePerfil(
        QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("VAZIO"));
    for (int i = 0; i < 4; ++i) {
        if (porta == QString::number(i + 1))
            m_com[i]->setChecked(true);
    }
    const QString linha
        = ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), QStringLiteral("Tom"));
    if (linha == QStringLiteral("Tom"))
        m_tom->setChecked(true);
    else if (linha == QStringLiteral("Pulso"))
        m_pulso->setChecked(true);
    m_prefixo->setText(
        ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"), QStringLiteral("011")));
}

void frmConfigModem::cmdOkay_Click()
{
    ArquivoIni &ini = m_modulo.ini();
    QString porta;
    for (int i = 0; i < 4; ++i) {
        if (m_com[i]->isChecked())
            porta = QString::number(i + 1);
    }
    ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), porta);
    QString linha;
    if (m_tom->isChecked())
        linha = QStringLiteral("Tom");
    else if (m_pulso->isChecked())
        linha = QStringLiteral("Pulso");
    ini.GravaPerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), linha);
    m_modulo.DefineNumeroPorta(static_cast<int>(ValorNumerico(porta)));
    ini.GravaPerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"), m_prefixo->text());
    accept();
}
