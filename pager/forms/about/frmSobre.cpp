// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSobre.h"

#include "forms/widgets/Paineis.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kEmail = QStringLiteral("suporte@quorvane.com.br");

// The maker's mark: a blue "Q" whose tail is a pager's call wave.
QPixmap Logotipo(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor azul(0x1f, 0x4e, 0x8c);
    const QColor laranja(0xe0, 0x9a, 0x2f);
    g.setPen(QPen(azul, lado * 0.12));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(QRectF(lado * 0.12, lado * 0.12, lado * 0.6, lado * 0.6));
    g.setPen(QPen(laranja, lado * 0.07, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = lado * (0.1 + 0.09 * i);
        const QPointF centro(lado * 0.62, lado * 0.62);
        g.drawArc(QRectF(centro.x() - r, centro.y() - r, 2 * r, 2 * r), -60 * 16, 30 * 16);
    }
    g.setPen(QPen(azul, lado * 0.12, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(lado * 0.6, lado * 0.6), QPointF(lado * 0.86, lado * 0.86));
    return p;
}

// The product: a pager with a line of text on its screen.
QPixmap Pager(int largura, int altura)
{
    QPixmap p(largura, altura);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x22, 0x22, 0x22), 2));
    g.setBrush(QColor(0x40, 0x40, 0x48));
    g.drawRoundedRect(QRectF(2, 2, largura - 4, altura - 4), 8, 8);
    g.setBrush(QColor(0xa8, 0xd8, 0x8a));
    const QRectF tela(largura * 0.12, altura * 0.18, largura * 0.76, altura * 0.4);
    g.drawRect(tela);
    g.setPen(QColor(0x20, 0x50, 0x20));
    QFont fonte = g.font();
    fonte.setPixelSize(int(tela.height() * 0.45));
    g.setFont(fonte);
    g.drawText(tela, Qt::AlignCenter, QStringLiteral("TELLUMO"));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xd9, 0x53, 0x4f));
    g.drawEllipse(QRectF(largura * 0.2, altura * 0.7, altura * 0.14, altura * 0.14));
    g.drawEllipse(QRectF(largura * 0.7, altura * 0.7, altura * 0.14, altura * 0.14));
    return p;
}

} // namespace

frmSobre::frmSobre(QWidget *pai)
    : QDialog(pai)
{
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Tellumo"));

    auto *layout = new QVBoxLayout(this);
    auto *titulo = new QLabel(QStringLiteral("Quorvane® Tellumo"), this);
    titulo->setObjectName(QStringLiteral("pnlTituloFundo"));
    QFont serifa(QStringLiteral("Serif"));
    serifa.setStyleHint(QFont::Serif);
    serifa.setPointSizeF(titulo->font().pointSizeF() * 2);
    serifa.setBold(true);
    titulo->setFont(serifa);
    titulo->setFrameShape(QFrame::Panel);
    titulo->setFrameShadow(QFrame::Raised);
    titulo->setMargin(8);
    titulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titulo);

    auto *meio = new QHBoxLayout;
    auto *figuras = new QVBoxLayout;
    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(Pager(112, 72));
    figuras->addWidget(picture1, 0, Qt::AlignHCenter);
    auto *fundoLogo = new QFrame(this);
    fundoLogo->setObjectName(QStringLiteral("pnlFundoLogo"));
    fundoLogo->setFrameShape(QFrame::Panel);
    fundoLogo->setFrameShadow(QFrame::Sunken);
    auto *fundoLayout = new QVBoxLayout(fundoLogo);
    auto *image1 = new QLabel(fundoLogo);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(Logotipo(80));
    fundoLayout->addWidget(image1, 0, Qt::AlignCenter);
    figuras->addWidget(fundoLogo);
    figuras->addStretch();
    meio->addLayout(figuras);

    auto *msg = new QLabel(this);
    msg->setObjectName(QStringLiteral("pnlMsg"));
    msg->setFrameShape(QFrame::Panel);
    msg->setFrameShadow(QFrame::Sunken);
    msg->setTextFormat(Qt::PlainText);
    msg->setWordWrap(true);
    msg->setMargin(8);
    msg->setMinimumWidth(320);
    msg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    msg->setTextInteractionFlags(Qt::TextSelectableByMouse);
    meio->addWidget(msg, 1);
    layout->addLayout(meio);

    auto *rodape = new QHBoxLayout;
    rodape->addWidget(
        paineis::CriaDicaComSeta(QStringLiteral("Quorvane® Brasil  ") + kEmail, this), 1);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOkay"));
    ok->setDefault(true);
    rodape->addWidget(ok);
    layout->addLayout(rodape);
    connect(ok, &QPushButton::clicked, this, &frmSobre::cmdOkay_Click);

    Form_Load();
}

QStringList frmSobre::Paragrafos()
{
    return {
        QStringLiteral("Projeto e programação: Marcos Vieira Lins."),
        QStringLiteral("Gerente de Desenvolvimento de Sistemas da Quorvane® Brasil."),
        QStringLiteral("O suporte técnico deste programa é prestado pela Quorvane®, a quem "
                       "você pode recorrer em caso de dúvidas ou problemas."),
        QStringLiteral("Ligue para nós: (11) 3555-0142 ou (11) 3555-0143, ou escreva para ")
            + kEmail + QLatin1Char('.'),
    };
}

void frmSobre::Form_Load()
{
    findChild<QLabel *>(QStringLiteral("pnlMsg"))->setText(Paragrafos().join(QLatin1Char('\n')));
}

void frmSobre::cmdOkay_Click()
{
    accept();
}
