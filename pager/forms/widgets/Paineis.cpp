// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paineis.h"

#include "Creditos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Seta(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath seta;
    seta.moveTo(lado * 0.1, lado * 0.35);
    seta.lineTo(lado * 0.55, lado * 0.35);
    seta.lineTo(lado * 0.55, lado * 0.1);
    seta.lineTo(lado * 0.95, lado * 0.5);
    seta.lineTo(lado * 0.55, lado * 0.9);
    seta.lineTo(lado * 0.55, lado * 0.65);
    seta.lineTo(lado * 0.1, lado * 0.65);
    seta.closeSubpath();
    g.setPen(QPen(QColor(0x8b, 0x1a, 0x1a), 1));
    g.setBrush(QColor(0xd9, 0x53, 0x4f));
    g.drawPath(seta);
    return p;
}

} // namespace

namespace paineis {

QWidget *CriaDicaComSeta(const QString &texto, QWidget *pai)
{
    auto *rodape = new QWidget(pai);
    auto *layout = new QHBoxLayout(rodape);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *seta = new QLabel(rodape);
    seta->setObjectName(QStringLiteral("imgSetaApontaDica"));
    seta->setPixmap(Seta(16));
    layout->addWidget(seta);
    QLabel *dica = creditos::criaDica(rodape);
    dica->setText(texto);
    layout->addWidget(dica, 1);
    return rodape;
}

QLabel *CriaPainelDeDescricao(int linhas, QWidget *pai)
{
    auto *painel = new QLabel(pai);
    painel->setTextFormat(Qt::PlainText);
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Sunken);
    painel->setWordWrap(true);
    painel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    painel->setMinimumSize(360, painel->fontMetrics().lineSpacing() * linhas);
    return painel;
}

} // namespace paineis
