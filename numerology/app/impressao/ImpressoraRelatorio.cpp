// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpressoraRelatorio.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

// Margin (5) plus text (75): the widest printed line.
constexpr int kLarguraLinha = 80;
constexpr qreal kCorpoMaximo = 10.0;

QRectF areaUtil(const QPrinter &impressora)
{
    return impressora.pageLayout().paintRectPixels(impressora.resolution());
}

} // namespace

QFont ImpressoraRelatorio::fonte(QPrinter &impressora)
{
    // One known fixed-pitch family (installed with the program's fonts), so every machine
    // prints the same columns; the system's fixed font when it is missing.
    QFont resultado = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Mono"))
        ? QFont(QStringLiteral("DejaVu Sans Mono"))
        : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    resultado.setFixedPitch(true);
    resultado.setStyleHint(QFont::Monospace);
    resultado.setPointSizeF(kCorpoMaximo);
    const qreal largura = QFontMetricsF(resultado, &impressora)
                              .horizontalAdvance(QString(kLarguraLinha, QLatin1Char('M')));
    const qreal util = areaUtil(impressora).width();
    if (largura > util)
        resultado.setPointSizeF(kCorpoMaximo * util / largura);
    return resultado;
}

bool ImpressoraRelatorio::imprime(QPrinter &impressora, const QStringList &linhas)
{
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return false;

    const QRectF pagina = areaUtil(impressora);
    pintor.setFont(fonte(impressora));
    const QFontMetricsF medidas(pintor.font(), pintor.device());
    const qreal altura = medidas.lineSpacing();

    qreal y = medidas.ascent();
    for (const QString &linha : linhas) {
        if (y + medidas.descent() > pagina.height()) {
            if (!impressora.newPage()) {
                pintor.end();
                return false;
            }
            y = medidas.ascent();
        }
        pintor.drawText(QPointF(0, y), linha);
        y += altura;
    }
    return pintor.end();
}
