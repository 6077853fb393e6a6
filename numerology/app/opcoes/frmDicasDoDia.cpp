// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmDicasDoDia.h"

#include "CaixaMensagem.h"
#include "DicaDoDia.h"
#include "app/Configuracao.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QVBoxLayout>

frmDicasDoDia::frmDicasDoDia(const PastasVistral &pastas, CaixaMensagem &caixa,
    std::function<double()> sorteio, QWidget *parent)
    : QDialog(parent)
    , m_pastas(pastas)
    , m_caixa(caixa)
{
    setObjectName(QStringLiteral("frmDicasDoDia"));
    setWindowTitle(QStringLiteral("Dica Do Dia . . ."));
    setModal(true);

    auto *picDicaDoDia = new QFrame(this);
    picDicaDoDia->setObjectName(QStringLiteral("picDicaDoDia"));
    picDicaDoDia->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picDicaDoDia->setAutoFillBackground(true);
    picDicaDoDia->setBackgroundRole(QPalette::Base);

    auto *imgDica = new QLabel(picDicaDoDia);
    imgDica->setObjectName(QStringLiteral("imgDica"));
    imgDica->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    imgDica->setAlignment(Qt::AlignTop);

    auto *lblTituloDica = new QLabel(QStringLiteral("Você Sabia?"), picDicaDoDia);
    lblTituloDica->setObjectName(QStringLiteral("lblTituloDica"));
    QFont titulo(QStringLiteral("Times New Roman"), 16, QFont::Bold);
    titulo.setStyleHint(QFont::Serif);
    lblTituloDica->setFont(titulo);

    m_lblDica = new QLabel(picDicaDoDia);
    m_lblDica->setObjectName(QStringLiteral("lblDica"));
    m_lblDica->setWordWrap(true);
    m_lblDica->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDica->setMinimumSize(360, 110);

    auto *textos = new QVBoxLayout;
    textos->addWidget(lblTituloDica);
    textos->addWidget(m_lblDica, 1);
    auto *moldura = new QHBoxLayout(picDicaDoDia);
    moldura->addWidget(imgDica);
    moldura->addLayout(textos, 1);

    m_chkExibeDicas = new QCheckBox(QStringLiteral("&Exibir Dicas ao Iniciar Vistral"), this);
    m_chkExibeDicas->setObjectName(QStringLiteral("chkExibeDicas"));
    auto *cmdProsseguir = new QPushButton(QStringLiteral("P&rosseguir..."), this);
    cmdProsseguir->setObjectName(QStringLiteral("cmdProsseguir"));
    cmdProsseguir->setDefault(true);

    auto *rodape = new QHBoxLayout;
    rodape->addWidget(m_chkExibeDicas, 1);
    rodape->addWidget(cmdProsseguir);
    auto *geral = new QVBoxLayout(this);
    geral->addWidget(picDicaDoDia, 1);
    geral->addLayout(rodape);

    connect(cmdProsseguir, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_chkExibeDicas, &QCheckBox::clicked, this, &frmDicasDoDia::chkExibeDicas_Click);

    if (Configuracao::LeLinha(m_pastas.usuario, Configuracao::ArquivoDicas)
        == QStringLiteral("N")) {
        m_descarregado = true;
        return;
    }
    m_chkExibeDicas->setChecked(true);
    const double r = sorteio ? sorteio() : QRandomGenerator::global()->generateDouble();
    m_lblDica->setText(DicaDoDia::le(m_pastas.dados, DicaDoDia::numeroSorteado(r)));
}

int frmDicasDoDia::exec()
{
    if (m_descarregado)
        return QDialog::Rejected;
    return QDialog::exec();
}

void frmDicasDoDia::chkExibeDicas_Click(bool marcado)
{
    const QString linha = marcado ? QStringLiteral("S") : QStringLiteral("N");
    if (!Configuracao::GravaLinha(m_pastas.usuario, Configuracao::ArquivoDicas, linha)) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível gravar a sua escolha no arquivo "
                           "\"dicas.inc\" da pasta do programa."),
            CaixaMensagem::Icone::Critico);
    }
}
