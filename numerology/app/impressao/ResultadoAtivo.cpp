#include "ResultadoAtivo.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

OrigemRelatorio TextoDoResultadoAtivo(const QMdiArea *area)
{
    const QMdiSubWindow *janela = area ? area->activeSubWindow() : nullptr;
    if (!janela)
        return std::nullopt;
    const QObject *caixa = janela->findChild<QObject *>(QStringLiteral("txtResultado"));
    if (!caixa)
        return std::nullopt;
    // Text boxes hand their text back with bare line feeds; the report's breaks are CR LF.
    QString texto = caixa->property("plainText").toString();
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return texto;
}
