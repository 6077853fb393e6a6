// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoTemporario.h"
#include "core/queue/FilaDePaginas.h"
#include "core/service/Entregador.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// The delivery thread's start, run in the test's own thread, with a page due and a line that
// cannot carry it.
class TestEntregador : public QObject
{
    Q_OBJECT
private slots:
    void semLinha_data()
    {
        QTest::addColumn<QByteArray>("modem"); // [MODEM] of the settings; %1: a closed port
        QTest::addColumn<QString>("pagina"); // its state and attempts after the start
        QTest::newRow("nenhuma porta: a página espera intacta") << QByteArray() << "aguardando/0";
        QTest::newRow("gateway fora do ar: uma tentativa")
            << QByteArray("Porta Serial=2\nCOM2=tcp:127.0.0.1:%1\n") << "aguardando/1";
    }
    void semLinha()
    {
        QFETCH(QByteArray, modem);
        QFETCH(QString, pagina);
        BancoTemporario banco;
        QVERIFY2(banco.Aberto(), qPrintable(banco.Erro()));
        FilaDePaginas fila;
        QVERIFY(fila.Enfileira({{QStringLiteral("5551234"), QStringLiteral("Ana"), 0}},
            QStringLiteral("teste"), QStringLiteral("monitor"), QDateTime::currentDateTimeUtc()));
        QTcpServer fechado;
        QVERIFY(fechado.listen(QHostAddress::LocalHost));
        const quint16 porta = fechado.serverPort();
        fechado.close();
        QTemporaryDir pasta;
        QFile ini(pasta.filePath(QStringLiteral("servico.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[MODEM]\n" + QString::fromLatin1(modem).arg(porta).toLatin1());
        ini.close();

        SaudeDaLinha saude;
        Entregador entregador(ConfiguracaoDoServico{}, ini.fileName(), saude);
        entregador.Inicia();
        entregador.Termina();
        const auto paginas = fila.Lista();
        QVERIFY(paginas && paginas->size() == 1);
        QCOMPARE(QStringLiteral("%1/%2")
                     .arg(TextoDoEstado(paginas->first().estado))
                     .arg(paginas->first().tentativas),
            pagina);
        QVERIFY(!saude.Problema().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEntregador)
#include "tst_entregador.moc"
