// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/queue/FilaDePaginas.h"

#include <QSet>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <memory>

using Resultado = FilaDePaginas::Resultado;

namespace {
const QDateTime kInicio(QDate(2026, 3, 5), QTime(9, 0), Qt::UTC);
const DestinoDaFila kAna{QStringLiteral("5551234"), QStringLiteral("Ana"), 7};
const DestinoDaFila kBia{QStringLiteral("5559876"), QStringLiteral("Bia"), 8};
const PoliticaDeRepeticao kPolitica{60, 2.0, 5, 3600};

bool Sql(const QString &sql)
{
    return QSqlQuery(BancoDeDados()).exec(sql);
}
} // namespace

// The queue of the paging service on a real directory, on the virtual clock (fixed times).
class TestFila : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
    }
    void cleanup() { banco_.reset(); }

    void politica_data()
    {
        QTest::addColumn<double>("fator");
        QTest::addColumn<int>("tentativas");
        QTest::addColumn<int>("idade"); // seconds since queued, at the failure
        QTest::addColumn<int>("espera"); // -1: give up
        QTest::newRow("primeira falha") << 2.0 << 1 << 0 << 60;
        QTest::newRow("terceira: 60 x 2 x 2") << 2.0 << 3 << 100 << 240;
        QTest::newRow("quarta, ainda permitida") << 2.0 << 4 << 0 << 480;
        QTest::newRow("máximo de tentativas") << 2.0 << 5 << 0 << -1;
        QTest::newRow("a espera passaria da idade") << 2.0 << 4 << 3400 << 200;
        QTest::newRow("idade máxima alcançada") << 2.0 << 1 << 3600 << -1;
        QTest::newRow("fator enorme não estoura") << 1e300 << 4 << 0 << 3600;
    }
    void politica()
    {
        QFETCH(double, fator);
        QFETCH(int, tentativas);
        QFETCH(int, idade);
        QFETCH(int, espera);
        PoliticaDeRepeticao politica = kPolitica;
        politica.fator = fator;
        const QDateTime agora = kInicio.addSecs(idade);
        const auto proxima = politica.ProximaTentativa(tentativas, kInicio, agora);
        QCOMPARE(proxima ? agora.secsTo(*proxima) : -1, qint64(espera));
    }

    void entregaRecusaEAdia()
    {
        QSqlDatabase ouvinte = banco_->AbreOutraConexao(QStringLiteral("ouvinte"));
        QSignalSpy aviso(ouvinte.driver(), &QSqlDriver::notification);
        if (BancoTemporario::NoServidor())
            QVERIFY(ouvinte.driver()->subscribeToNotification(FilaDePaginas::kAviso));
        FilaDePaginas fila;
        const DestinoDaFila cid{QStringLiteral("77"), QString(), 0};
        const auto pedido = fila.Enfileira({kAna, kBia, cid}, QStringLiteral("Disco cheio"),
            QStringLiteral("monitor"), kInicio, kInicio.addSecs(60));
        QVERIFY2(pedido, qPrintable(fila.Erro()));
        QVERIFY(!BancoTemporario::NoServidor() || aviso.wait(10000)); // another service wakes
        QCOMPARE(fila.ProximoVencimento(), kInicio.addSecs(60));
        QCOMPARE(fila.Reivindica(kInicio.addSecs(59), 10)->size(), 0);
        const auto p = fila.Reivindica(kInicio.addSecs(60), 10);
        QVERIFY(p && p->size() == 3);
        QCOMPARE(p->at(2).pedido, *pedido);
        QCOMPARE(p->at(2).destino.idPager, cid.idPager);
        // A Log that cannot take the row keeps the page being sent: one change, not two.
        QVERIFY(Sql(QStringLiteral("ALTER TABLE Log RENAME TO LogFora")));
        QVERIFY(!fila.Entregue(p->at(0).id, kInicio.addSecs(61)));
        QVERIFY(Sql(QStringLiteral("ALTER TABLE LogFora RENAME TO Log")));
        QVERIFY2(fila.Entregue(p->at(0).id, kInicio.addSecs(62)), qPrintable(fila.Erro()));
        const auto log = BancoDeTeste::ListaLog();
        QVERIFY(log && log->NumeroDeRegistros() == 1);
        QCOMPARE(log->Campo(QStringLiteral("Usuario")).toString(), kAna.usuario);
        QCOMPARE(log->Campo(QStringLiteral("Mensagem")).toString(), QStringLiteral("Disco cheio"));
        QCOMPARE(log->Campo(QStringLiteral("ID_Pager")).toString(), kAna.idPager);
        QCOMPARE(log->Campo(QStringLiteral("ID_Usuario")).toInt(), 7);

        QVERIFY(fila.Recusada(p->at(1).id, QStringLiteral("RS"), kInicio.addSecs(62)));
        QVERIFY(!fila.Entregue(p->at(1).id, kInicio.addSecs(63)));
        QCOMPARE(fila.Motivo(), Resultado::Ausente);
        QCOMPARE(fila.Adia(p->at(2).id, QStringLiteral("ocupado"), kInicio.addSecs(62), kPolitica),
            EstadoDaFila::Aguardando);
        // Only the postponed page comes back, at its next try, and gives up at the last.
        QCOMPARE(fila.ProximoVencimento(), kInicio.addSecs(122));
        auto outra = fila.Reivindica(kInicio.addSecs(7200), 10);
        QVERIFY(outra && outra->size() == 1);
        QCOMPARE(outra->at(0).tentativas, 2);
        QCOMPARE(fila.Adia(outra->at(0).id, QStringLiteral("sem linha"), kInicio.addSecs(7200),
                     kPolitica),
            EstadoDaFila::Desistida);
        const auto lista = fila.Lista();
        QVERIFY(lista && lista->size() == 2);
        QCOMPARE(lista->at(0).estado, EstadoDaFila::Recusada);
        QCOMPARE(lista->at(1).estado, EstadoDaFila::Desistida);
        QCOMPARE(lista->at(1).ultimaRazao, QStringLiteral("sem linha"));
        QCOMPARE(fila.ProximoVencimento(), QDateTime());
        // A request's pages whatever their state, delivered ones too; none for another.
        const auto doPedido = fila.PaginasDoPedido(*pedido);
        QVERIFY(doPedido && doPedido->size() == 3);
        QCOMPARE(doPedido->at(0).estado, EstadoDaFila::Entregue);
        QCOMPARE(doPedido->at(2).estado, EstadoDaFila::Desistida);
        QCOMPARE(fila.PaginasDoPedido(*pedido + 3)->size(), 0);
    }

    void entreguesNumaMudanca()
    {
        FilaDePaginas fila;
        QVERIFY(fila.Enfileira({kAna, kBia}, QStringLiteral("Porta aberta"), {}, kInicio));
        const auto p = fila.Reivindica(kInicio, 10);
        QVERIFY(p && p->size() == 2);
        QVERIFY(fila.Recusada(p->at(0).id, QStringLiteral("RS"), kInicio));
        // Each page at its own moment (to the millisecond); one no longer being sent is left
        // out, without a Log row, and does not hold the other back.
        const QDateTime momento = kInicio.addMSecs(61'234);
        QCOMPARE(fila.Entregues({{p->at(0).id, kInicio}, {p->at(1).id, momento}}),
            QList<qint64>{p->at(0).id});
        const auto paginas = fila.PaginasDoPedido(p->at(0).pedido);
        QCOMPARE(paginas->at(0).estado, EstadoDaFila::Recusada);
        QCOMPARE(paginas->at(1).estado, EstadoDaFila::Entregue);
        QCOMPARE(paginas->at(1).ultimaTentativa, momento);
        const auto log = BancoDeTeste::ListaLog();
        QVERIFY(log && log->NumeroDeRegistros() == 1);
        QCOMPARE(log->Campo(QStringLiteral("Usuario")).toString(), kBia.usuario);
        QCOMPARE(log->Campo(QStringLiteral("Hora")).toString(),
            momento.toLocalTime().toString(QStringLiteral("hh:mm")));
    }

    void tabelaNovaLimiteERecuperacao()
    {
        // A directory made before the queue: the table comes on first use.
        QVERIFY(Sql(QStringLiteral("DROP TABLE Fila")));
        FilaDePaginas fila;
        QVERIFY2(fila.Enfileira({kAna, kBia}, QStringLiteral("a"), {}, kInicio, {}, 3),
            qPrintable(fila.Erro()));
        const QString a = QStringLiteral("a"), b = QStringLiteral("b");
        QCOMPARE(fila.Reivindica(kInicio, 1, a)->size(), 1);
        QCOMPARE(fila.Reivindica(kInicio, 1, b)->size(), 1);
        // Pages being sent still count against the limit.
        QVERIFY(!fila.Enfileira({kAna, kBia}, QStringLiteral("b"), {}, kInicio, {}, 3));
        QCOMPARE(fila.Motivo(), Resultado::Cheia);
        // Service a died; started again, it sends its page once more, and b keeps its own.
        FilaDePaginas depois;
        QCOMPARE(depois.Recupera(a), 1);
        const auto p = depois.Reivindica(kInicio, 10, a);
        QVERIFY(p && p->size() == 1);
        QCOMPARE(p->at(0).destino.usuario, kAna.usuario);
    }

    // The operator's actions on one page in each state; on a server, a change is announced.
    void acoesDoOperador_data()
    {
        QTest::addColumn<QString>("antes"); // "", "enviando", "entregue", "outro" (cancelled)
        QTest::addColumn<bool>("cancela"); // else Tentar Agora
        QTest::addColumn<QString>("razao"); // why it was left as it was ("": it changed)
        QTest::addColumn<QString>("depois");
        const QString naoCancela
            = QStringLiteral("A mensagem já está sendo enviada e não pode ser cancelada.");
        QTest::newRow("aguardando: tentar agora") << "" << false << ""
                                                  << "aguardando";
        QTest::newRow("aguardando: cancelar") << "" << true << ""
                                              << "cancelada";
        QTest::newRow("enviando: tentar agora") << "enviando" << false << "-"
                                                << "enviando";
        QTest::newRow("enviando: cancelar") << "enviando" << true << naoCancela << "enviando";
        QTest::newRow("entregue: cancelar") << "entregue" << true << "A mensagem já foi entregue."
                                            << "entregue";
        QTest::newRow("outro operador cancelou antes")
            << "outro" << true << "A mensagem já foi cancelada."
            << "cancelada";
    }
    void acoesDoOperador()
    {
        QFETCH(QString, antes);
        QFETCH(bool, cancela);
        QFETCH(QString, razao);
        QFETCH(QString, depois);
        FilaDePaginas fila;
        const auto id
            = fila.Enfileira({kAna}, QStringLiteral("x"), {}, kInicio, kInicio.addSecs(60));
        QVERIFY(id);
        if (antes != QLatin1String(""))
            QCOMPARE(fila.Reivindica(kInicio.addSecs(60), 1)->size(), 1);
        if (antes == QLatin1String("entregue"))
            QVERIFY(fila.Entregue(*id, kInicio.addSecs(61)));
        if (antes == QLatin1String("outro")) {
            QVERIFY(fila.Adia(*id, QStringLiteral("ocupado"), kInicio, kPolitica));
            banco_->AbreOutraConexao(QStringLiteral("outro"));
            QCOMPARE(FilaDePaginas(QStringLiteral("outro")).Cancela({*id}, kInicio)->size(), 0);
        }
        QSqlDatabase ouvinte = banco_->AbreOutraConexao(QStringLiteral("ouvinte"));
        QSignalSpy aviso(ouvinte.driver(), &QSqlDriver::notification);
        if (BancoTemporario::NoServidor())
            QVERIFY(ouvinte.driver()->subscribeToNotification(FilaDePaginas::kAviso));
        if (cancela) {
            const auto recusadas = fila.Cancela({*id}, kInicio);
            QVERIFY2(recusadas, qPrintable(fila.Erro()));
            QCOMPARE(recusadas->isEmpty() ? QString() : recusadas->at(0).razao, razao);
        } else {
            QCOMPARE(fila.TentaAgora({*id}, kInicio), razao.isEmpty() ? 1 : 0);
        }
        const auto pagina = fila.Le({*id});
        QVERIFY(pagina && pagina->size() == 1);
        QCOMPARE(TextoDoEstado(pagina->at(0).estado), depois);
        QVERIFY(!BancoTemporario::NoServidor() || !razao.isEmpty() || aviso.wait(10000));
        // A cancelled page is never sent, nor listed as still to deliver; one made due at
        // once is the next claimed.
        const bool cancelada = depois == QLatin1String("cancelada");
        QCOMPARE(pagina->at(0).ultimaRazao,
            cancelada ? QStringLiteral("Cancelada pelo operador") : pagina->at(0).ultimaRazao);
        QCOMPARE(fila.Reivindica(kInicio, 1)->size(), razao.isEmpty() && !cancela ? 1 : 0);
        QCOMPARE(fila.Lista()->size(), cancelada || depois == QLatin1String("entregue") ? 0 : 1);
    }

    void doisOperadoresCancelamJuntos()
    {
        FilaDePaginas fila;
        const auto id = fila.Enfileira({kAna}, QStringLiteral("x"), {}, kInicio);
        QVERIFY(id);
        QList<FilaDePaginas::NaoCancelada> recusadas[2];
        bool ok[2] = {false, false};
        auto operador = [this, &recusadas, &ok, id](int n) {
            const QString nome = QStringLiteral("operador%1").arg(n);
            {
                banco_->AbreOutraConexao(nome);
                FilaDePaginas f(nome);
                const auto r = f.Cancela({*id}, kInicio);
                ok[n] = r.has_value();
                recusadas[n] = r.value_or(QList<FilaDePaginas::NaoCancelada>());
            }
            QSqlDatabase::removeDatabase(nome);
        };
        std::unique_ptr<QThread> a(QThread::create(operador, 0)), b(QThread::create(operador, 1));
        a->start();
        b->start();
        QVERIFY(a->wait() && b->wait());
        QVERIFY(ok[0] && ok[1]);
        // One cancelled it; the other is told so.
        QCOMPARE(recusadas[0].size() + recusadas[1].size(), 1);
        const auto &outro = recusadas[0].isEmpty() ? recusadas[1] : recusadas[0];
        QCOMPARE(outro.at(0).estado, EstadoDaFila::Cancelada);
    }

    void doisServicosNuncaPegamAMesma()
    {
        FilaDePaginas fila;
        QVERIFY(fila.Enfileira(QList<DestinoDaFila>(40, kAna), QStringLiteral("x"), {}, kInicio));
        QList<qint64> pegas[3];
        if (BancoTemporario::NoServidor()) {
            // A page another service holds is skipped, not waited for.
            QSqlDatabase outro = banco_->AbreOutraConexao(QStringLiteral("outro"));
            QSqlQuery trava(outro);
            QVERIFY(trava.exec(QStringLiteral("BEGIN")));
            QVERIFY(trava.exec(QStringLiteral("SELECT 1 FROM Fila WHERE ID_Fila = "
                                              "(SELECT MIN(ID_Fila) FROM Fila) FOR UPDATE")));
            const auto p = fila.Reivindica(kInicio, 10);
            QVERIFY2(p && p->size() == 10, qPrintable(fila.Erro()));
            for (const PaginaDaFila &pagina : *p)
                pegas[2] << pagina.id;
            QVERIFY(!pegas[2].contains(p->at(0).pedido));
            QVERIFY(trava.exec(QStringLiteral("ROLLBACK")));
        }
        auto servico = [this, &pegas](int n) {
            const QString nome = QStringLiteral("servico%1").arg(n);
            {
                QSqlDatabase db = banco_->AbreOutraConexao(nome);
                FilaDePaginas f(nome);
                for (auto p = f.Reivindica(kInicio, 1); p && !p->isEmpty();
                     p = f.Reivindica(kInicio, 1))
                    pegas[n] << p->at(0).id;
            }
            QSqlDatabase::removeDatabase(nome);
        };
        std::unique_ptr<QThread> a(QThread::create(servico, 0)), b(QThread::create(servico, 1));
        a->start();
        b->start();
        QVERIFY(a->wait() && b->wait());
        const QList<qint64> todas = pegas[0] + pegas[1] + pegas[2];
        QCOMPARE(todas.size(), 40);
        QCOMPARE(QSet<qint64>(todas.begin(), todas.end()).size(), 40);
    }
};

QTEST_GUILESS_MAIN(TestFila)
#include "tst_fila.moc"
