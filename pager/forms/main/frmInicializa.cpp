// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmInicializa.h"

#include "Icones.h"
#include "core/modem/Modulo.h"
#include "core/settings/Programa.h"
#include "forms/widgets/Creditos.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmInicializa::frmInicializa(QWidget *pai)
    : QWidget(pai, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmInicializa"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(360, 170);
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    auto *imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(icones::Logotipo(96));
    layout->addWidget(imgLogo);

    auto *textos = new QVBoxLayout;
    auto *pnlNome = new QLabel(
        programa::NomePrograma() + QLatin1Char(' ') + programa::VersaoPrograma(), this);
    pnlNome->setObjectName(QStringLiteral("pnlNomePrograma"));
    QFont f = pnlNome->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 2.0);
    pnlNome->setFont(f);
    textos->addStretch();
    textos->addWidget(pnlNome);
    textos->addWidget(new QLabel(creditos::LinhaDoFabricante(), this));
    textos->addStretch();
    layout->addLayout(textos);
}

void frmInicializa::Form_Load(Modulo &modulo)
{
    if (const QScreen *tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    show();
    raise();
    modulo.Espera(1.0);
}
