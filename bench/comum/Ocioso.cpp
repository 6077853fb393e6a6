// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ocioso.h"

#include "Medida.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMap>
#include <QTimer>
#include <cstdio>

namespace {

bool DoQt(const QObject *objeto)
{
    return objeto && QByteArray(objeto->metaObject()->className()).startsWith('Q');
}

class Contador : public QObject
{
public:
    explicit Contador(const QObject *fim)
        : fim_(fim)
    { }
    QMap<QString, int> nossos;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Timer && objeto != fim_) {
            const bool nosso
                = qobject_cast<QTimer *>(objeto) ? !DoQt(objeto->parent()) : !DoQt(objeto);
            if (nosso) {
                const QObject *dono = objeto->parent() ? objeto->parent() : objeto;
                ++nossos[QString::fromLatin1(dono->metaObject()->className()) + QLatin1Char(':')
                    + objeto->objectName()];
            }
        }
        return false;
    }

private:
    const QObject *fim_;
};

} // namespace

namespace medida {

Ociosidade MedeOcioso(double segundos)
{
    QTimer fim;
    fim.setSingleShot(true);
    Contador contador(&fim);
    QCoreApplication::instance()->installEventFilter(&contador);
    Ociosidade o;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
        &contador, [&o] { ++o.despertares; });

    QEventLoop laco;
    QObject::connect(&fim, &QTimer::timeout, &laco, &QEventLoop::quit);
    const double antes = ProcessadorMs();
    fim.start(int(segundos * 1000));
    laco.exec();
    o.processadorMs = ProcessadorMs() - antes;
    QCoreApplication::instance()->removeEventFilter(&contador);

    for (auto i = contador.nossos.cbegin(); i != contador.nossos.cend(); ++i) {
        o.temporizadoresNossos += i.value();
        o.quais += QStringLiteral("%1 (%2) ").arg(i.key()).arg(i.value());
    }
    return o;
}

void RelataOcioso(
    const QString &programa, double segundos, const Ociosidade &ocioso, const QString &extra)
{
    std::printf("%s ocioso por %.0f s: %d despertares, %d de temporizadores nossos %s, %.1f ms de "
                "processador%s\n",
        qPrintable(programa), segundos, ocioso.despertares, ocioso.temporizadoresNossos,
        qPrintable(ocioso.quais), ocioso.processadorMs, qPrintable(extra));
    Relata(QStringLiteral("%1 ocioso %2 s: temporizadores nossos").arg(programa).arg(segundos),
        ocioso.temporizadoresNossos, "", 1);
    Relata(QStringLiteral("%1 ocioso %2 s: processador").arg(programa).arg(segundos),
        ocioso.processadorMs, "ms", 30);
}

} // namespace medida
