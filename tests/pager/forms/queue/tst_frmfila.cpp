// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"
#include "core/directory/BancoDeDados.h"
#include "core/queue/AcompanhaFila.h"
#include "core/queue/FilaDePaginas.h"
#include "core/queue/ModeloDaFila.h"
#include "forms/queue/Fila.h"
#include "forms/queue/frmFila.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlDriver>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

const QDateTime kCedo(QDate(2026, 3, 5), QTime(9, 0, 7));
const DestinoDaFila kAna{QStringLiteral("5551234"), QStringLiteral("Ana").leftJustified(50), 7};

QString Linha(frmFila *janela, int linha)
{
    const QAbstractItemModel *m = janela->lstFila()->model();
    QStringList celulas;
    for (int c = 0; c < m->columnCount(); ++c)
        celulas << m->index(linha, c).data().toString();
    return celulas.join(QStringLiteral(" | "));
}

QString Estado(frmFila *janela, int linha)
{
    return janela->lstFila()->model()->index(linha, ModeloDaFila::Estado).data().toString();
}

} // namespace

// The queue window on a real directory: what it lists, its actions, and how it follows the
// queue changed by someone else.
class TestFrmFila : public QObject
{
    Q_OBJECT

    std::unique_ptr<CenarioDeJanelas> c_;
    std::unique_ptr<QMdiArea> area_;

private slots:
    void init()
    {
        c_ = std::make_unique<CenarioDeJanelas>();
        QVERIFY2(c_->Aberto(), qPrintable(c_->Erro()));
        area_ = std::make_unique<QMdiArea>();
        area_->resize(900, 500);
        area_->show();
    }
    void cleanup()
    {
        area_.reset();
        c_.reset();
    }

    void listaEAcoes()
    {
        FilaDePaginas fila;
        QVERIFY(fila.Enfileira({kAna}, QStringLiteral("Disco cheio"), QStringLiteral("monitor"),
            kCedo.toUTC(), kCedo.addSecs(3600)));
        QVERIFY(fila.Enfileira({{QStringLiteral("77"), {}, 0}}, QStringLiteral("depois"),
            QStringLiteral("linha de comando"), kCedo.addSecs(60)));
        frmFila *janela = ExibeFila(area_.get(), c_->caixa);
        QVERIFY(janela);
        QCOMPARE(ExibeFila(area_.get(), c_->caixa), janela); // one at a time
        QCOMPARE(area_->subWindowList().size(), 1);
        QCOMPARE(Linha(janela, 0),
            QStringLiteral("05/03/2026 09:01:07 | 77 | depois | linha de comando | aguardando | 0 "
                           "| 05/03/2026 09:01:07 | "));
        QCOMPARE(Linha(janela, 1),
            QStringLiteral("05/03/2026 09:00:07 | Ana (5551234) | Disco cheio | monitor | "
                           "aguardando | 0 | 05/03/2026 10:00:07 | "));

        // Ana's page is cancelled once confirmed; the other is being sent meanwhile.
        QCOMPARE(fila.Reivindica(kCedo.addSecs(60), 1)->size(), 1);
        janela->lstFila()->selectAll();
        c_->caixa.responde({CaixaMensagem::Resposta::Sim});
        Filho<QPushButton>(*janela, "cmdCancelar")->click();
        QCOMPARE(c_->caixa.registros().at(0).botoes, CaixaMensagem::Botoes::SimNao);
        QCOMPARE(c_->caixa.ultimo().texto,
            QStringLiteral("1 das 2 mensagens selecionadas não foram canceladas:\nA mensagem já "
                           "está sendo enviada e não pode ser cancelada."));
        QCOMPARE(Estado(janela, 0), QStringLiteral("enviando"));
        QCOMPARE(Linha(janela, 1),
            QStringLiteral("05/03/2026 09:00:07 | Ana (5551234) | Disco cheio | monitor | "
                           "cancelada | 0 |  | Cancelada pelo operador"));
        QCOMPARE(janela->lstFila()->selectionModel()->selectedRows().size(), 2); // kept
    }

    void segueAFilaSemOperador()
    {
        FilaDePaginas fila;
        const auto id = fila.Enfileira({kAna}, QStringLiteral("x"), {}, kCedo);
        QVERIFY(id);
        frmFila *janela = ExibeFila(area_.get(), c_->caixa);
        QVERIFY(janela);
        QCOMPARE(Estado(janela, 0), QStringLiteral("aguardando"));
        // Another operator's Tellumo, then a page queued by a service.
        {
            c_->AbreOutraConexao(QStringLiteral("outro"));
            FilaDePaginas outro(QStringLiteral("outro"));
            QCOMPARE(outro.Cancela({*id}, kCedo)->size(), 0);
            QTRY_COMPARE(Estado(janela, 0), QStringLiteral("cancelada"));
            QVERIFY(outro.Enfileira({kAna}, QStringLiteral("y"), {}, kCedo));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("outro"));
        QTRY_COMPARE(janela->lstFila()->model()->rowCount(), 2);
        // Closed, it no longer listens.
        area_->closeAllSubWindows();
        QTRY_VERIFY(BancoDeDados().driver()->subscribedToNotifications().isEmpty()
            && !area_->findChild<AcompanhaFila *>());
    }
};

QTEST_MAIN(TestFrmFila)
#include "tst_frmfila.moc"
