// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoNoServidor.h"
#include "ProcessoSimulador.h"
#include "ServicoRodando.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/queue/FilaDePaginas.h"

#include <QTest>

// Two services on two machines, each with its own line, drain one queue on the PostgreSQL
// server while pages keep coming to both: every page reaches the paging company exactly once.
class TstDoisServicos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cadaPaginaSaiUmaVez()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        QString motivo;
        QVERIFY2(AbreServidor(banco.Conexao(), &motivo), qPrintable(motivo));
        QVERIFY(Diretorio().InsereUsuario(
            {}, QStringLiteral("1001"), QDate(2026, 12, 1), QStringLiteral("Ana")));
        ProcessoSimulador simuladores[2];
        ServicoRodando servicos[2];
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(simuladores[i].inicia({QStringLiteral("--tcp"), QStringLiteral("0"),
                         QStringLiteral("--atraso"), QStringLiteral("20")}),
                qPrintable(simuladores[i].erro()));
            QVERIFY2(servicos[i].inicia(QStringLiteral("[BANCO]\nServidor=%1\n[MODEM]\nPorta "
                                                       "Serial=2\nCOM2=%2\n[FILA]\nNome do "
                                                       "Serviço=servico%3\n")
                                            .arg(banco.Conexao(), simuladores[i].gateway())
                                            .arg(i)),
                qPrintable(servicos[i].log()));
        }
        QObject dono;
        QList<QProcess *> clientes;
        QStringList textos;
        for (int k = 0; k < 40; ++k) {
            textos.append(QStringLiteral("Aviso %1").arg(k));
            clientes.append(servicos[k % 2].enviar(
                {QStringLiteral("1001"), QStringLiteral("-m"), textos.last()}, &dono));
        }
        for (QProcess *c : clientes) {
            QVERIFY(c->state() == QProcess::NotRunning || c->waitForFinished(30000));
            QCOMPARE(c->exitCode(), 0);
        }
        const QString entregue = QStringLiteral(": entregue\\.$");
        QVERIFY2(
            ServicoRodando::aguarda({&servicos[0], &servicos[1]},
                [&] { return servicos[0].conta(entregue) + servicos[1].conta(entregue) >= 40; }),
            qPrintable(servicos[0].log() + servicos[1].log()));
        QVERIFY2(servicos[0].para() && servicos[1].para(),
            qPrintable(servicos[0].log() + servicos[1].log()));

        QStringList recebidos;
        for (const ProcessoSimulador &s : simuladores) {
            for (const QJsonObject &r : s.registros(QStringLiteral("pagina")))
                recebidos.append(r.value(QStringLiteral("texto")).toString());
        }
        recebidos.sort();
        textos.sort();
        QCOMPARE(recebidos, textos);
        QCOMPARE(FilaDePaginas().Lista().value_or(QList<PaginaDaFila>{{}}).size(), 0);
        QCOMPARE(
            BancoDeTeste::Valor(BancoDeDados(), QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(),
            40);
        FechaBancoDeDados();
    }
};

QTEST_GUILESS_MAIN(TstDoisServicos)
#include "tst_doisservicos.moc"
