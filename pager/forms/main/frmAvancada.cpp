// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAvancada.h"

#include "core/settings/ArquivoIni.h"
#include "forms/widgets/Creditos.h"
#include "forms/widgets/EntradaDeTexto.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kSim = QStringLiteral("Sim");
const QString kNao = QStringLiteral("Não");
} // namespace

frmAvancada::frmAvancada(ArquivoIni &ini, QWidget *pai)
    : QDialog(pai)
    , m_ini(ini)
{
    setObjectName(QStringLiteral("frmAvancada"));
    const QString titulo = QStringLiteral("Opções Avançadas");
    setWindowTitle(titulo);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(creditos::criaBanner(titulo, this));

    m_pabx = new QCheckBox(
        QStringLiteral("Utilizar discagem para telefones com PABX ou similares"), this);
    m_pabx->setObjectName(QStringLiteral("chkPABX"));
    layout->addWidget(m_pabx);

    auto *pnlMsg = new QLabel(QStringLiteral("Prefixo para liberar a linha:"), this);
    pnlMsg->setObjectName(QStringLiteral("pnlMsg"));
    m_prefixo = new QLineEdit(this);
    m_prefixo->setObjectName(QStringLiteral("txtPrefixo"));
    m_prefixo->setMaxLength(4);
    AceitaSoCp1252(m_prefixo);
    pnlMsg->setBuddy(m_prefixo);
    layout->addWidget(pnlMsg);
    layout->addWidget(m_prefixo);

    m_autoEnviar = new QCheckBox(
        QStringLiteral("Exibir Janela 'Enviar Mensagens' ao iniciar o programa"), this);
    m_autoEnviar->setObjectName(QStringLiteral("chkAutoEnviar"));
    layout->addWidget(m_autoEnviar);

    QPushButton *cmdOkay = creditos::criaRodape(layout, this);
    connect(cmdOkay, &QPushButton::clicked, this, &frmAvancada::cmdOkay_Click);
}

void frmAvancada::carrega()
{
    const QString discagem = QStringLiteral("DISCAGEM");
    m_prefixo->setText(m_ini.LePerfil(discagem, QStringLiteral("PrefixoPABX"), QString()));
    m_pabx->setChecked(m_ini.LePerfil(discagem, QStringLiteral("PABX"), kNao) != kNao);
    m_autoEnviar->setChecked(
        m_ini.LePerfil(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), kNao) != kNao);
}

void frmAvancada::showEvent(QShowEvent *evento)
{
    carrega();
    QDialog::showEvent(evento);
}

void frmAvancada::cmdOkay_Click()
{
    const QString discagem = QStringLiteral("DISCAGEM");
    m_ini.GravaPerfil(discagem, QStringLiteral("PrefixoPABX"), m_prefixo->text());
    m_ini.GravaPerfil(discagem, QStringLiteral("PABX"), m_pabx->isChecked() ? kSim : kNao);
    m_ini.GravaPerfil(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"),
        m_autoEnviar->isChecked() ? kSim : kNao);
    accept();
}
