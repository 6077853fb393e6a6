// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcoesSimulador.h"

#include <QTest>

class TesteOpcoesSimulador : public QObject
{
    Q_OBJECT

    static LeituraOpcoes le(const QString &linha)
    {
        return leOpcoes(QStringList{QStringLiteral("simulador")}
            + linha.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

private slots:
    void semOpcoesConectaSemDefeitos()
    {
        const LeituraOpcoes l = le(QString());
        QVERIFY(l.opcoes);
        QCOMPARE(l.opcoes->discagem, OpcoesSimulador::Discagem::Conecta);
        QCOMPARE(l.opcoes->naks, 0);
        QCOMPARE(l.opcoes->silenciaApos, -1);
        QCOMPARE(l.opcoes->desconectaApos, -1);
        QCOMPARE(l.opcoes->cps, 0);
        QCOMPARE(l.opcoes->tempoLimiteS, 0);
        QCOMPARE(l.opcoes->portaTcp, -1);
    }

    void defeitosEscolhidos()
    {
        const LeituraOpcoes l = le(QStringLiteral(
            "--ocupado --mudo --sem-id --sem-ack-logon --nak 2 --silencia-apos 3 --bloco-max 7 "
            "--desconecta-apos 4 --atraso 250 --cps 960 --tempo-discagem 100 --guarda 200 "
            "--tempo-limite 30 --link /tmp/modem --log /tmp/sim.jsonl --cai-apos 5 --tcp 0"));
        QVERIFY2(l.opcoes, qPrintable(l.mensagem));
        const OpcoesSimulador &o = *l.opcoes;
        QCOMPARE(o.discagem, OpcoesSimulador::Discagem::Ocupado);
        QVERIFY(o.mudo && o.semId && o.semAckLogon);
        QCOMPARE(o.naks, 2);
        QCOMPARE(o.silenciaApos, 3);
        QCOMPARE(o.desconectaApos, 4);
        QCOMPARE(o.atrasoMs, 250);
        QCOMPARE(o.cps, 960);
        QCOMPARE(o.tempoDiscagemMs, 100);
        QCOMPARE(o.guardaMs, 200);
        QCOMPARE(o.tempoLimiteS, 30);
        QCOMPARE(o.caiApos, 5);
        QCOMPARE(o.portaTcp, 0);
        QCOMPARE(o.blocoMax, 7);
        QCOMPARE(o.link, QStringLiteral("/tmp/modem"));
        QCOMPARE(o.log, QStringLiteral("/tmp/sim.jsonl"));
    }

    void recusaJuntaListasERepeticoes()
    {
        const LeituraOpcoes l = le(QStringLiteral("--recusa 111,222 --recusa 333"));
        QVERIFY(l.opcoes);
        QCOMPARE(l.opcoes->recusados, (QSet<QByteArray>{"111", "222", "333"}));
    }

    void resultadoDaDiscagem_data()
    {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<OpcoesSimulador::Discagem>("discagem");
        QTest::newRow("ocupado") << "--ocupado" << OpcoesSimulador::Discagem::Ocupado;
        QTest::newRow("sem tom") << "--sem-tom" << OpcoesSimulador::Discagem::SemTom;
        QTest::newRow("sem portadora")
            << "--sem-portadora" << OpcoesSimulador::Discagem::SemPortadora;
    }
    void resultadoDaDiscagem()
    {
        QFETCH(QString, opcao);
        QFETCH(OpcoesSimulador::Discagem, discagem);
        const LeituraOpcoes l = le(opcao);
        QVERIFY(l.opcoes);
        QCOMPARE(l.opcoes->discagem, discagem);
    }

    void linhaInvalida_data()
    {
        QTest::addColumn<QString>("linha");
        QTest::newRow("numero com letra") << "--nak dois";
        QTest::newRow("negativo") << "--atraso -5";
        QTest::newRow("sem valor") << "--cps";
        QTest::newRow("opcao desconhecida") << "--voar";
        QTest::newRow("argumento solto") << "extra";
        QTest::newRow("dois resultados") << "--ocupado --sem-tom";
        QTest::newRow("porta alta") << "--tcp 65536";
    }
    void linhaInvalida()
    {
        QFETCH(QString, linha);
        const LeituraOpcoes l = le(linha);
        QVERIFY(!l.opcoes);
        QVERIFY(l.erro);
        QVERIFY(!l.mensagem.isEmpty());
    }

    void ajudaNaoEErro()
    {
        const LeituraOpcoes l = le(QStringLiteral("--help"));
        QVERIFY(!l.opcoes);
        QVERIFY(!l.erro);
        QVERIFY(l.mensagem.contains(QStringLiteral("--desconecta-apos")));
    }
};

QTEST_GUILESS_MAIN(TesteOpcoesSimulador)
#include "tst_opcoessimulador.moc"
