// SPDX-License-Identifier: GPL-3.0-or-later
#include "DestinosRoteiro.h"
#include "core/snpp/CortaLinhas.h"
#include "core/snpp/SenhaDeConta.h"
#include "core/snpp/SessaoSnpp.h"

#include <QTest>

class TstSessaoSnpp : public QObject
{
    Q_OBJECT
private slots:
    void dialogo_data();
    void dialogo();
    void senha();
};

void TstSessaoSnpp::dialogo_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QByteArrayList>("cliente");
    QTest::addColumn<QList<int>>("codigos");
    QTest::addColumn<QStringList>("fila");

    const QString a240(240, u'a');
    QTest::newRow("LOGI, LEVE e comando do site antes de PAGE; fecha sem QUIT")
        << QStringLiteral("contas")
        << QByteArrayList{"LOGI monitor s3gredo", "LEVEl 1", "XWHO", "PAGE ana SOUZA",
               "MESS Olá, mundo", "SEND"}
        << QList<int>{250, 250, 500, 250, 250, 250}
        << QStringList{QStringLiteral("1001|Olá, mundo|monitor")};
    QTest::newRow("PAGE antes de LOGI com contas")
        << QStringLiteral("contas")
        << QByteArrayList{"PAGE 1001", "LOGI monitor errada", "PAGE 1001", "LOGI monitor s3gredo",
               "PAGE 1001 1234", "MESS x", "SEND", "QUIT"}
        << QList<int>{550, 550, 550, 250, 250, 250, 250, 221}
        << QStringList{QStringLiteral("1001|x|monitor")};
    QTest::newRow("DATA com pontos")
        << QString() << QByteArrayList{"PAGE 1002", "DATA", "linha um", "..ponto", "", ".", "SEND"}
        << QList<int>{250, 354, 250, 250}
        << QStringList{QStringLiteral("1002|linha um\n.ponto\n|10.0.0.9")};
    QTest::newRow("grupo sem distinguir caixa, membro repetido, limite de páginas")
        << QString()
        << QByteArrayList{"PAGE PLANTÃO", "PAGE 1001", "PAGE carla", "MESS alerta", "SEND"}
        << QList<int>{250, 250, 552, 250, 250}
        << QStringList{
               QStringLiteral("1001|alerta|10.0.0.9"), QStringLiteral("1002|alerta|10.0.0.9")};
    QTest::newRow("grupo vazio, nome e código desconhecidos")
        << QString() << QByteArrayList{"PAGE Vazio", "PAGE Ninguém", "PAGE 555", "PAGE"}
        << QList<int>{550, 550, 550, 550} << QStringList{};
    QTest::newRow("código avulso permitido")
        << QStringLiteral("avulso") << QByteArrayList{"PAGE 555", "MESS x", "SEND"}
        << QList<int>{250, 250, 250} << QStringList{QStringLiteral("555|x|10.0.0.9")};
    QTest::newRow("texto longo") << QString()
                                 << QByteArrayList{"PAGE 1001", "MESS " + a240.toLatin1() + 'b',
                                        "DATA", QByteArray(200, 'a'), QByteArray(40, 'b'), ".",
                                        "MESS " + a240.toLatin1(), "SEND"}
                                 << QList<int>{250, 550, 354, 550, 250, 250}
                                 << QStringList{QStringLiteral("1001|%1|10.0.0.9").arg(a240)};
    QTest::newRow("linha de 1 MiB, em comando e em DATA")
        << QString()
        << QByteArrayList{"PAGE 1001", QByteArray(1 << 20, 'x'), "DATA", QByteArray(1 << 20, 'y'),
               ".", "MESS ok", "SEND"}
        << QList<int>{250, 500, 354, 550, 250, 250}
        << QStringList{QStringLiteral("1001|ok|10.0.0.9")};
    QTest::newRow("bytes binários") << QString()
                                    << QByteArrayList{QByteArray("\x80\x00\xff", 3), "PAGE 1001",
                                           QByteArray("MESS \xff\x00\x01 caf\xe9\rx", 15), "SEND"}
                                    << QList<int>{500, 250, 250, 250}
                                    << QStringList{QStringLiteral("1001|ÿ   café\nx|10.0.0.9")};
    QTest::newRow("RESE e fora de ordem")
        << QString()
        << QByteArrayList{"SEND", "PAGE 1001", "SEND", "MESS a", "MESS b", "DATA", "RESE", "MESS c",
               "SEND", "PAGE 1002", "SEND"}
        << QList<int>{503, 250, 503, 250, 503, 503, 250, 250, 503, 250, 250}
        << QStringList{QStringLiteral("1002|c|10.0.0.9")};
    QTest::newRow("HELP, HOLD, SUBJ, CALL, ALER, COVE")
        << QString()
        << QByteArrayList{"HELP", "HOLD 261224153000 -0300", "HOLD 261332", "SUBJ x", "CALL y",
               "ALER", "COVE 2", "COVE 1", "PAGE 1001", "MESS a", "SEND"}
        << QList<int>{214, 214, 214, 250, 250, 550, 250, 250, 250, 550, 250, 250, 250, 250}
        << QStringList{QStringLiteral("1001|a|10.0.0.9|2026-12-24T18:30:00Z")};
    QTest::newRow("fila cheia") << QStringLiteral("cheia")
                                << QByteArrayList{"PAGE 1001", "MESS a", "SEND"}
                                << QList<int>{250, 250, 554} << QStringList{};
    QTest::newRow("banco perdido fecha")
        << QStringLiteral("fatal") << QByteArrayList{"PAGE 1001", "MESS a", "SEND", "QUIT"}
        << QList<int>{250, 250, 421} << QStringList{};
    QList<int> erros(20, 500);
    erros.append(421);
    QTest::newRow("erros demais fecham")
        << QString() << QByteArrayList(21, "NOOP") << erros << QStringList{};
}

void TstSessaoSnpp::dialogo()
{
    QFETCH(QString, modo);
    QFETCH(QByteArrayList, cliente);
    DestinosRoteiro destinos;
    destinos.modo = modo;
    SessaoSnpp sessao(
        destinos, QStringLiteral("10.0.0.9"), {1024, 2, 20, modo == QLatin1String("avulso")});
    // The client's bytes in one piece, cut as the server will cut them.
    CortaLinhas corte;
    QList<int> codigos;
    bool fechou = false;
    for (const QByteArray &linha : corte.Recebe(cliente.join("\r\n") + "\r\n")) {
        if (fechou)
            break; // the rows' last line shows that the closing reply comes before it
        const RespostaSnpp r = sessao.Recebe(linha);
        for (const QByteArray &l : r.linhas)
            codigos.append(l.left(3).toInt());
        fechou = r.fecha;
    }
    QTEST(codigos, "codigos");
    QTEST(destinos.fila, "fila");
    QCOMPARE(fechou, codigos.constLast() == 221 || codigos.constLast() == 421);
}

void TstSessaoSnpp::senha()
{
    const QByteArray um = SenhaDeConta::Resumo(QStringLiteral("çenha"));
    QVERIFY(um.startsWith("$argon2id$"));
    QVERIFY(um != SenhaDeConta::Resumo(QStringLiteral("çenha"))); // salted
    QVERIFY(SenhaDeConta::Confere(um, QStringLiteral("çenha")));
    QVERIFY(!SenhaDeConta::Confere(um, QStringLiteral("cenha")));
    QVERIFY(!SenhaDeConta::Confere("çenha", QStringLiteral("çenha")));
}

QTEST_GUILESS_MAIN(TstSessaoSnpp)
#include "tst_sessaosnpp.moc"
