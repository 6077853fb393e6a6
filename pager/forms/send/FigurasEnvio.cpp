// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigurasEnvio.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kLargura = 160;
constexpr int kAltura = 64;
constexpr int kQuadros = 7;

void desenhaTorre(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.drawLine(14, 58, 22, 14);
    p.drawLine(30, 58, 22, 14);
    p.drawLine(17, 44, 27, 44);
    p.drawLine(19, 30, 25, 30);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(22, 12), 3, 3);
}

void desenhaOndas(QPainter &p, int quantas)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= quantas; ++i) {
        p.setPen(QPen(QColor(40, 110, 200, 255 - i * 50), 2));
        const int r = 6 + i * 6;
        p.drawArc(QRectF(22 - r, 12 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

void desenhaPager(QPainter &p, bool aceso)
{
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(124, 22, 30, 36), 5, 5);
    p.setBrush(aceso ? QColor(150, 230, 120) : QColor(110, 150, 100));
    p.drawRect(QRectF(129, 27, 20, 12));
    p.setBrush(QColor(180, 180, 190));
    p.drawEllipse(QPointF(139, 49), 3, 3);
}

void desenhaCarta(QPainter &p, qreal x, qreal y)
{
    const QRectF carta(x, y, 22, 15);
    p.setPen(QPen(QColor(120, 90, 30), 1.5));
    p.setBrush(QColor(250, 235, 180));
    p.drawRect(carta);
    QPainterPath aba;
    aba.moveTo(carta.topLeft());
    aba.lineTo(carta.center().x(), carta.top() + 8);
    aba.lineTo(carta.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(aba);
}

} // namespace

QList<QPixmap> DesenhaFigurasEnvio()
{
    QList<QPixmap> figuras;
    for (int k = 0; k < kQuadros; ++k) {
        QPixmap figura(kLargura, kAltura);
        figura.fill(QColor(236, 236, 240));
        {
            QPainter p(&figura);
            p.setRenderHint(QPainter::Antialiasing);
            desenhaTorre(p);
            desenhaOndas(p, 1 + k % 3);
            // The letter rises off the tower, flies in an arc and lands on the pager.
            const qreal t = static_cast<qreal>(k) / (kQuadros - 1);
            desenhaCarta(p, 30 + t * 96, 30 - 22 * 4 * t * (1 - t));
            desenhaPager(p, k == kQuadros - 1);
        }
        figuras.append(figura);
    }
    return figuras;
}
