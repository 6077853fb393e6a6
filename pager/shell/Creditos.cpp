#include "Creditos.h"

#include <QFont>
#include <QLabel>

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

} // namespace creditos
