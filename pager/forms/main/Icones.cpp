// SPDX-License-Identifier: GPL-3.0-or-later
#include "Icones.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kLado = 32;

template <typename Desenho> QIcon desenha(Desenho desenho)
{
    QPixmap p(kLado, kLado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    desenho(g);
    g.end();
    return QIcon(p);
}

// A person seen from the front: head and shoulders, with its top-left corner at (x, y).
void pessoa(QPainter &g, qreal x, qreal y, qreal escala, const QColor &cor)
{
    g.setPen(QPen(cor.darker(160), 1));
    g.setBrush(cor);
    g.drawEllipse(QRectF(x + 3 * escala, y, 6 * escala, 6 * escala));
    QPainterPath ombros;
    ombros.moveTo(x, y + 14 * escala);
    ombros.cubicTo(
        x, y + 6 * escala, x + 12 * escala, y + 6 * escala, x + 12 * escala, y + 14 * escala);
    ombros.closeSubpath();
    g.drawPath(ombros);
}

} // namespace

namespace icones {

QIcon Grupos()
{
    return desenha([](QPainter &g) {
        pessoa(g, 1, 8, 1.0, QColor(0x4a, 0x90, 0xd9));
        pessoa(g, 19, 8, 1.0, QColor(0x5c, 0xb8, 0x5c));
        pessoa(g, 8, 12, 1.3, QColor(0xe0, 0x9a, 0x2f));
    });
}

QIcon Usuarios()
{
    return desenha([](QPainter &g) {
        g.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        g.setBrush(QColor(0xf4, 0xf1, 0xe4));
        g.drawRoundedRect(QRectF(2.5, 6.5, 27, 20), 2, 2);
        pessoa(g, 5, 9, 1.0, QColor(0x4a, 0x90, 0xd9));
        g.setPen(QPen(QColor(0x77, 0x77, 0x77), 2));
        for (int i = 0; i < 3; ++i)
            g.drawLine(QPointF(19, 12 + 4 * i), QPointF(27, 12 + 4 * i));
    });
}

QIcon Historico()
{
    return desenha([](QPainter &g) {
        g.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(6.5, 2.5, 19, 27));
        g.setPen(QPen(QColor(0x4a, 0x90, 0xd9), 2));
        for (int i = 0; i < 5; ++i)
            g.drawLine(QPointF(9, 7 + 5 * i), QPointF(23, 7 + 5 * i));
        g.setPen(QPen(QColor(0x8b, 0x1a, 0x1a), 1.5));
        g.setBrush(QColor(0xff, 0xe0, 0x80));
        g.drawEllipse(QRectF(17, 17, 13, 13));
        g.drawLine(QPointF(23.5, 23.5), QPointF(23.5, 19.5));
        g.drawLine(QPointF(23.5, 23.5), QPointF(26.5, 23.5));
    });
}

QIcon DiscarEnviar()
{
    return desenha([](QPainter &g) {
        // A pager with a line of text on its screen, and the waves of the call.
        g.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
        g.setBrush(QColor(0x40, 0x40, 0x48));
        g.drawRoundedRect(QRectF(2.5, 9.5, 20, 20), 3, 3);
        g.setBrush(QColor(0xa8, 0xd8, 0x8a));
        g.drawRect(QRectF(5.5, 12.5, 14, 7));
        g.setPen(QPen(QColor(0x20, 0x50, 0x20), 1));
        g.drawLine(QPointF(7, 16), QPointF(17, 16));
        g.setPen(QPen(QColor(0xd9, 0x53, 0x4f), 2));
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(18, 1, 10, 10), 0, 90 * 16);
        g.drawArc(QRectF(15, -2, 16, 16), 0, 90 * 16);
    });
}

QPixmap Logotipo(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x1f, 0x4e, 0x8c));
    g.drawEllipse(QRectF(0, 0, lado, lado));
    g.setBrush(Qt::white);
    g.drawEllipse(QRectF(lado * 0.22, lado * 0.22, lado * 0.56, lado * 0.56));
    g.setBrush(QColor(0x1f, 0x4e, 0x8c));
    g.drawEllipse(QRectF(lado * 0.34, lado * 0.34, lado * 0.32, lado * 0.32));
    // The tail that makes the ring a "Q".
    g.setPen(QPen(QColor(0xe0, 0x9a, 0x2f), lado * 0.1, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(lado * 0.6, lado * 0.6), QPointF(lado * 0.88, lado * 0.88));
    return p;
}

} // namespace icones
