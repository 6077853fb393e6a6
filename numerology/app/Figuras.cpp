// SPDX-License-Identifier: GPL-3.0-or-later
#include "Figuras.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <utility>

namespace Figuras {

namespace {

constexpr int Lado = 32;

// Draws the picture anew at every size asked for, so that it stays sharp from a menu's 16
// pixels to a desktop icon's 256 (the pictures are designed on a 32-pixel square). The other
// modes (disabled, selected) are made by Qt from the normal picture, as for any pixmap.
class FiguraDesenhada : public QIconEngine
{
public:
    explicit FiguraDesenhada(std::function<void(QPainter &)> figura)
        : m_figura(std::move(figura))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap quadro(size);
        quadro.fill(Qt::transparent);
        {
            QPainter p(&quadro);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / double(Lado), size.height() / double(Lado));
            m_figura(p);
        }
        if (mode == QIcon::Normal)
            return quadro;
        return QIcon(quadro).pixmap(size, mode, state);
    }

    QIconEngine *clone() const override { return new FiguraDesenhada(m_figura); }

private:
    std::function<void(QPainter &)> m_figura;
};

QIcon desenha(std::function<void(QPainter &)> figura)
{
    return QIcon(new FiguraDesenhada(std::move(figura)));
}

// A sheet of paper with a folded corner, the base of the report pictures.
void folha(QPainter &p, const QColor &cor)
{
    QPainterPath contorno;
    contorno.moveTo(6, 2);
    contorno.lineTo(20, 2);
    contorno.lineTo(26, 8);
    contorno.lineTo(26, 30);
    contorno.lineTo(6, 30);
    contorno.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(cor);
    p.drawPath(contorno);
    p.drawLine(QPointF(20, 2), QPointF(20, 8));
    p.drawLine(QPointF(20, 8), QPointF(26, 8));
}

void algarismo(QPainter &p, const QRectF &onde, const QString &texto, const QColor &cor)
{
    QFont fonte = p.font();
    fonte.setBold(true);
    fonte.setPixelSize(static_cast<int>(onde.height()));
    p.setFont(fonte);
    p.setPen(cor);
    p.drawText(onde, Qt::AlignCenter, texto);
}

} // namespace

QIcon analiseCompleta()
{
    return desenha([](QPainter &p) {
        folha(p, QColor(255, 250, 225));
        algarismo(p, QRectF(6, 9, 20, 18), QStringLiteral("9"), QColor(120, 30, 140));
    });
}

QIcon analiseParcial()
{
    return desenha([](QPainter &p) {
        folha(p, QColor(230, 245, 255));
        p.setPen(QPen(QColor(20, 90, 160), 2));
        for (int y = 12; y <= 20; y += 4)
            p.drawLine(9, y, 23, y);
        algarismo(p, QRectF(10, 20, 12, 10), QStringLiteral("½"), QColor(20, 90, 160));
    });
}

QIcon analiseSemanal()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 6, 26, 23));
        p.setBrush(QColor(190, 40, 40));
        p.drawRect(QRectF(3, 6, 26, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        for (int dia = 0; dia < 7; ++dia)
            p.drawRect(QRectF(5 + dia * 3.4, 16, 2.4, 2.4));
        p.drawRect(QRectF(5, 22, 2.4, 2.4));
    });
}

QIcon exportar()
{
    return desenha([](QPainter &p) {
        folha(p, Qt::white);
        algarismo(p, QRectF(6, 8, 20, 14), QStringLiteral("W"), QColor(30, 70, 170));
        p.setPen(QPen(QColor(30, 140, 60), 2.5));
        p.drawLine(QPointF(10, 26), QPointF(22, 26));
        p.drawLine(QPointF(18, 22), QPointF(22, 26));
        p.drawLine(QPointF(18, 30), QPointF(22, 26));
    });
}

QIcon imprimir()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
        p.drawLine(11, 24, 21, 24);
    });
}

QIcon ajuda()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(QColor(20, 60, 140), 1.5));
        p.setBrush(QColor(255, 230, 90));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        algarismo(p, QRectF(3, 5, 26, 22), QStringLiteral("?"), QColor(20, 60, 140));
    });
}

QIcon sair()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(150, 95, 45));
        p.drawRect(QRectF(6, 3, 16, 26));
        p.setBrush(QColor(250, 220, 80));
        p.drawEllipse(QRectF(17, 15, 3, 3));
        p.setPen(QPen(QColor(190, 30, 30), 2.5));
        p.drawLine(QPointF(18, 9), QPointF(29, 9));
        p.drawLine(QPointF(25, 5), QPointF(29, 9));
        p.drawLine(QPointF(25, 13), QPointF(29, 9));
    });
}

QIcon okay()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(QColor(30, 140, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 25), QPointF(27, 8)}));
    });
}

QIcon cancelar()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(QColor(190, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    });
}

QIcon novidades()
{
    return desenha([](QPainter &p) {
        p.setPen(QPen(QColor(20, 80, 150), 1.2));
        p.setBrush(QColor(170, 210, 250));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.drawEllipse(QRectF(11, 4, 10, 24));
        p.drawLine(4, 16, 28, 16);
    });
}

QIcon setaDica()
{
    return desenha([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 60, 30));
        p.drawPolygon(QPolygonF({QPointF(4, 12), QPointF(18, 12), QPointF(18, 6), QPointF(29, 16),
            QPointF(18, 26), QPointF(18, 20), QPointF(4, 20)}));
    });
}

} // namespace Figuras
