// SPDX-License-Identifier: GPL-3.0-or-later
#include "Creditos.h"

#include <QBoxLayout>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace creditos {

QString LinhaDoFabricante()
{
    return QStringLiteral("Quorvane Sistemas - Tellumo 1.0");
}

QLabel *criaBanner(const QString &texto, QWidget *pai)
{
    auto *banner = new QLabel(texto, pai);
    banner->setObjectName(QStringLiteral("pnlBanner"));
    QFont f = banner->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    banner->setFont(f);
    banner->setFrameShape(QFrame::Panel);
    banner->setFrameShadow(QFrame::Raised);
    banner->setMargin(6);
    return banner;
}

QLabel *criaDica(QWidget *pai)
{
    auto *dica = new QLabel(LinhaDoFabricante(), pai);
    dica->setObjectName(QStringLiteral("pnlDica"));
    dica->setFrameShape(QFrame::Panel);
    dica->setFrameShadow(QFrame::Sunken);
    dica->setAlignment(Qt::AlignCenter);
    return dica;
}

QPushButton *criaRodape(QBoxLayout *layout, QWidget *pai)
{
    auto *cmdOkay = new QPushButton(QStringLiteral("Ok"), pai);
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    cmdOkay->setDefault(true);
    layout->addWidget(cmdOkay, 0, Qt::AlignRight);
    layout->addWidget(criaDica(pai));
    return cmdOkay;
}

} // namespace creditos
