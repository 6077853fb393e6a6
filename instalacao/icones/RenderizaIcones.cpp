// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: writes each program's window picture as the PNG files of the freedesktop
// icon theme, <pasta>/<N>x<N>/apps/<programa>.png, for every size N given. The pictures are
// the ones the programs draw for their own windows, rendered at each size.
//
//   renderiza_icones PASTA TAMANHO...

#include "Figuras.h" // recado
#include "app/Figuras.h" // Vistral
#include "forms/main/Icones.h" // Tellumo

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <functional>

namespace {

// recado's picture is pixel art on a 32-pixel square: whole multiples keep its pixels square.
QPixmap pixelado(const QIcon &icone, int lado)
{
    constexpr int Base = 32;
    const QPixmap base = icone.pixmap(Base);
    const auto modo = lado % Base == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    return base.scaled(lado, lado, Qt::IgnoreAspectRatio, modo);
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown: the build machine need not have a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: renderiza_icones PASTA TAMANHO...\n");
        return 2;
    }

    const struct
    {
        QString programa;
        std::function<QPixmap(int)> figura;
    } programas[] = {
        {QStringLiteral("tellumo"), [](int lado) { return icones::Logotipo(lado); }},
        {QStringLiteral("vistral"),
            [](int lado) { return Figuras::analiseCompleta().pixmap(lado); }},
        {QStringLiteral("recado"), [](int lado) { return pixelado(iconeRecado(), lado); }},
    };

    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int lado = QByteArray(argv[i]).toInt();
        if (lado <= 0) {
            std::fprintf(stderr, "renderiza_icones: tamanho inválido: %s\n", argv[i]);
            return 2;
        }
        const QString apps = QStringLiteral("%1x%1/apps").arg(lado);
        if (!pasta.mkpath(apps)) {
            std::fprintf(stderr, "renderiza_icones: não foi possível criar %s\n",
                qPrintable(pasta.filePath(apps)));
            return 1;
        }
        for (const auto &p : programas) {
            const QString arquivo
                = pasta.filePath(apps + QLatin1Char('/') + p.programa + QStringLiteral(".png"));
            const QPixmap figura = p.figura(lado);
            if (figura.size() != QSize(lado, lado) || !figura.save(arquivo, "PNG")) {
                std::fprintf(
                    stderr, "renderiza_icones: não foi possível gravar %s\n", qPrintable(arquivo));
                return 1;
            }
        }
    }
    return 0;
}
