// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "core/queue/FilaDePaginas.h"
#include "core/service/EntregaDaFila.h"

#include <QSqlQuery>
#include <QTest>

namespace {
const QDateTime kInicio(QDate(2026, 3, 5), QTime(9, 0), Qt::UTC);
const QString kServico = QStringLiteral("s1");
} // namespace

// Queued pages over the scripted modem and paging service, on the virtual clock.
class TestEntregaDaFila : public QObject
{
    Q_OBJECT
private slots:
    void entrega_data()
    {
        QTest::addColumn<QByteArrayList>("respostas"); // to the blocks in order, then by checksum
        QTest::addColumn<bool>("ocupado");
        QTest::addColumn<int>("maximo"); // attempts the policy allows
        // State/attempts of each page; the fourth falls due while the call is being dialed.
        QTest::addColumn<QString>("estados");
        QTest::addColumn<QString>("razao"); // in the last reason of every page not delivered
        QTest::newRow("todas aceitas, a quarta na mesma ligação")
            << QByteArrayList{} << false << 5 << "entregue/1 entregue/1 entregue/1 entregue/1"
            << QString();
        QTest::newRow("RS na segunda")
            << QByteArrayList{"\x06\r", "511 Codigo recusado\r\x1e\r"} << false << 5
            << "entregue/1 recusada/1 entregue/1 entregue/1"
            << "511 Codigo recusado";
        QTest::newRow("NAK três vezes na segunda")
            << QByteArrayList{"\x06\r", "\x15\r", "\x15\r", "\x15\r"} << false << 5
            << "entregue/1 aguardando/1 aguardando/1 aguardando/0"
            << "três envios";
        QTest::newRow("sem resposta à segunda")
            << QByteArrayList{"\x06\r", ""} << false << 5
            << "entregue/1 aguardando/1 aguardando/1 aguardando/0"
            << "Time Out";
        QTest::newRow("ESC EOT com a primeira")
            << QByteArrayList{"\x06\r\x1b\x04\r"} << false << 5
            << "entregue/1 aguardando/1 aguardando/1 aguardando/0"
            << "encerrou a ligação";
        QTest::newRow("linha ocupada") << QByteArrayList{} << true << 5
                                       << "aguardando/1 aguardando/1 aguardando/1 aguardando/0"
                                       << "ocupada";
        QTest::newRow("última tentativa falha")
            << QByteArrayList{} << true << 1 << "desistida/1 desistida/1 desistida/1 aguardando/0"
            << "ocupada";
    }
    void entrega()
    {
        QFETCH(QByteArrayList, respostas);
        QFETCH(bool, ocupado);
        QFETCH(int, maximo);
        QFETCH(QString, estados);
        QFETCH(QString, razao);
        BancadaEnvio b;
        QVERIFY2(b.banco.Aberto(), qPrintable(b.banco.Erro()));
        if (ocupado)
            b.modem.estado().resultadoDiscagem = "\r\nBUSY\r\n";
        b.servico.estado().respostaBloco = [&respostas](int n, const QByteArray &bloco) {
            return n < respostas.size() ? respostas.at(n) : ServicoTapRoteirizado::julga(bloco);
        };
        FilaDePaginas fila;
        QStringList esperadoNoLog;
        for (int i = 0; i < 4; ++i) {
            const DestinoDaFila destino{
                QString::number(101 + i), QStringLiteral("Usuário %1").arg(i), i};
            const QString texto = QStringLiteral("Disco %1 cheio à noite").arg(i);
            QVERIFY2(fila.Enfileira({destino}, texto, QStringLiteral("monitor"), kInicio,
                         kInicio.addSecs(i == 3 ? 10 : 0)),
                qPrintable(fila.Erro()));
            if (estados.section(QLatin1Char(' '), i, i).startsWith(QStringLiteral("entregue")))
                esperadoNoLog << destino.usuario + QLatin1Char('|') + texto + QLatin1Char('|')
                        + destino.idPager;
        }
        const auto paginas = fila.Reivindica(kInicio, 10, kServico);
        QVERIFY(paginas && paginas->size() == 3);

        const PoliticaDeRepeticao politica{60, 2.0, maximo, 3600};
        EntregaDaFila entrega(b.modulo, fila, politica, kServico,
            [&b] { return kInicio.addMSecs(qint64(b.relogio.agora() * 1000)); });
        const ResumoDaEntrega resumo = entrega.Entrega(*paginas);

        QStringList obtidos, noLog;
        QSqlQuery q(BancoDeDados());
        QVERIFY(q.exec(QStringLiteral("SELECT Estado, Tentativas, Ultima_Razao, Vencimento, "
                                      "Ultima_Tentativa FROM Fila ORDER BY ID_Fila")));
        while (q.next()) {
            obtidos << q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
            if (obtidos.last() == QStringLiteral("aguardando/1")) // the policy's first wait
                QCOMPARE(MomentoDoTexto(q.value(4).toString())
                             .secsTo(MomentoDoTexto(q.value(3).toString())),
                    60);
            if (!obtidos.last().startsWith(QStringLiteral("entregue")) && q.value(1).toInt() > 0)
                QVERIFY2(q.value(2).toString().contains(razao), qPrintable(q.value(2).toString()));
        }
        QCOMPARE(obtidos.join(QLatin1Char(' ')), estados);
        QVERIFY(q.exec(QStringLiteral("SELECT Usuario, Mensagem, ID_Pager FROM Log")));
        while (q.next())
            noLog << QStringList{q.value(0).toString(), q.value(1).toString(),
                q.value(2).toString()}
                         .join(QLatin1Char('|'));
        noLog.sort();
        QCOMPARE(noLog, esperadoNoLog);
        QCOMPARE(resumo.Texto(),
            QStringLiteral("%1 entregue(s), %2 recusada(s), %3 adiada(s), %4 desistida(s)")
                .arg(estados.count(QStringLiteral("entregue")))
                .arg(estados.count(QStringLiteral("recusada")))
                .arg(estados.count(QStringLiteral("aguardando/1")))
                .arg(estados.count(QStringLiteral("desistida"))));
        // One call, logged off only when every page was judged, and never left off-hook.
        QCOMPARE(b.linha.escrito().count("ATDP"), 1);
        QCOMPARE(b.servico.estado().logoffs,
            razao.isEmpty() || razao.startsWith(QLatin1Char('5')) ? 1 : 0);
        QVERIFY(b.linha.escrito().endsWith("+++ATH0\r"));
    }
};

QTEST_GUILESS_MAIN(TestEntregaDaFila)
#include "tst_entregadafila.moc"
