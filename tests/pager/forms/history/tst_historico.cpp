// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"
#include "core/compose/EstadoGlobal.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/directory/ModeloHistorico.h"
#include "forms/history/Historico.h"
#include "forms/history/frmHistorico.h"

#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

const QString kTodas = QStringLiteral("Histórico: Lista de todas as mensagens enviadas...");
const QString kDoUsuario
    = QStringLiteral("Histórico: Lista de mensagens enviadas para o usuário...");

QDateTime Em(int ano, int mes, int dia, int hora, int minuto)
{
    return QDateTime(QDate(ano, mes, dia), QTime(hora, minuto));
}

// Every row of the grid, its cells joined by " | ".
QStringList Linhas(frmHistorico *janela)
{
    const QAbstractItemModel *m = janela->grdGride()->model();
    QStringList linhas;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < m->columnCount(); ++c)
            celulas << m->index(r, c).data().toString();
        linhas << celulas.join(QStringLiteral(" | "));
    }
    return linhas;
}

} // namespace

// The history windows: what they list, in which order, and the double-click on a cell.
class TestHistorico : public QObject
{
    Q_OBJECT

    std::unique_ptr<CenarioDeJanelas> c_;
    std::unique_ptr<QMdiArea> area_;

    frmHistorico *Exibe(std::optional<int> idUsuario = std::nullopt)
    {
        return ExibeHistorico(area_.get(), c_->caixa, idUsuario);
    }

private slots:
    void init()
    {
        c_ = std::make_unique<CenarioDeJanelas>();
        QVERIFY2(c_->Aberto(), qPrintable(c_->Erro()));
        area_ = std::make_unique<QMdiArea>();
        area_->resize(900, 500);
        area_->show();
        global::MensagemAnterior().clear();
    }
    void cleanup()
    {
        area_.reset();
        c_.reset();
    }

    void dataMostradaDiaPrimeiro_data()
    {
        QTest::addColumn<QString>("gravada");
        QTest::addColumn<QString>("mostrada");
        QTest::newRow("seis de dezembro") << "19981206"
                                          << "06/12/1998";
        QTest::newRow("virada do ano") << "20000101"
                                       << "01/01/2000";
        QTest::newRow("fim de mês") << "20261231"
                                    << "31/12/2026";
        QTest::newRow("danificada, curta") << "1998"
                                           << "1998";
    }
    void dataMostradaDiaPrimeiro()
    {
        QFETCH(QString, gravada);
        QFETCH(QString, mostrada);
        QCOMPARE(ModeloHistorico::DataParaExibicao(gravada), mostrada);
    }

    void logVazioNaoAbreNada_data()
    {
        QTest::addColumn<bool>("doUsuario");
        QTest::newRow("todas") << false;
        QTest::newRow("de um usuário") << true;
    }
    void logVazioNaoAbreNada()
    {
        QFETCH(bool, doUsuario);
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        if (doUsuario) // someone else received one; Ana never did
            c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Bia"), QStringLiteral("oi"),
                QStringLiteral("1002"), ana + 1);
        QCOMPARE(Exibe(doUsuario ? std::optional<int>(ana) : std::nullopt), nullptr);
        QCOMPARE(area_->subWindowList().size(), 0);
        QCOMPARE(c_->caixa.quantidade(), 0);
    }

    void todasAsMensagensEmOrdemDeDataHoraENome()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        c_->Log(Em(2026, 1, 2, 8, 0), QStringLiteral("Bia"), QStringLiteral("terceira"),
            QStringLiteral("1002"), bia);
        c_->Log(Em(1998, 12, 6, 14, 30), QStringLiteral("Bia"), QStringLiteral("segunda"),
            QStringLiteral("1002"), bia);
        c_->Log(Em(1998, 12, 6, 14, 30), QStringLiteral("Ana"), QStringLiteral("primeira"),
            QStringLiteral("1001"), ana);
        c_->Log(Em(1998, 12, 6, 9, 5), QStringLiteral("Bia"), QStringLiteral("cedo"),
            QStringLiteral("1002"), bia);
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        QCOMPARE(area_->subWindowList().size(), 1);
        QCOMPARE(area_->subWindowList().first()->windowTitle(), kTodas);
        QCOMPARE(Linhas(janela),
            QStringList({"06/12/1998 | 09:05 | Bia | cedo | 1002",
                "06/12/1998 | 14:30 | Ana | primeira | 1001",
                "06/12/1998 | 14:30 | Bia | segunda | 1002",
                "02/01/2026 | 08:00 | Bia | terceira | 1002"}));
    }

    void cabecalhosELarguras()
    {
        c_->Log(Em(1998, 12, 6, 23, 55), QStringLiteral("Ana"), QStringLiteral("oi"),
            QStringLiteral("1001"), 1);
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        QTableView *grade = janela->grdGride();
        const QList<int> desenhadas{61, 32, 189, 443, 49}; // pixels at 96 dpi
        QStringList cabecalhos;
        int total = 0;
        for (int c = 0; c < grade->model()->columnCount(); ++c) {
            const QString cabecalho = grade->model()->headerData(c, Qt::Horizontal).toString();
            cabecalhos << cabecalho;
            const int largura = grade->columnWidth(c);
            total += largura;
            QVERIFY(largura >= desenhadas.at(c) * grade->logicalDpiX() / 96);
            // Dates, times and headers are shown whole, never cut short.
            const QString celula = grade->model()->index(0, c).data().toString();
            if (c <= ModeloHistorico::Hora)
                QVERIFY2(
                    largura > grade->fontMetrics().horizontalAdvance(celula), qPrintable(celula));
            QVERIFY(
                largura > grade->horizontalHeader()->fontMetrics().horizontalAdvance(cabecalho));
        }
        QCOMPARE(cabecalhos, QStringList({"Data", "Hora", "Usuário", "Mensagem", "Código"}));
        QCoreApplication::sendPostedEvents();
        QVERIFY2(grade->viewport()->width() >= total, "a janela abre sem mostrar todas as colunas");
    }

    void historicoDeUmUsuarioSoComOsSeus()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Ana"), QStringLiteral("para Ana"),
            QStringLiteral("1001"), ana);
        c_->Log(Em(1998, 12, 6, 9, 1), QStringLiteral("Bia"), QStringLiteral("para Bia"),
            QStringLiteral("1002"), bia);
        frmHistorico *janela = Exibe(bia);
        QVERIFY(janela);
        QCOMPARE(area_->subWindowList().first()->windowTitle(), kDoUsuario);
        QCOMPARE(Linhas(janela), QStringList{"06/12/1998 | 09:01 | Bia | para Bia | 1002"});
    }

    void usuarioExcluidoSegueComONomeGravado()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana Paula"));
        const QString nomeGravado = QStringLiteral("Ana Paula").leftJustified(50);
        c_->Log(Em(1998, 12, 6, 9, 0), nomeGravado, QStringLiteral(" com brancos "),
            QStringLiteral("1001"), ana);
        QVERIFY(Diretorio().ExcluiUsuario(ana));
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        const QAbstractItemModel *m = janela->grdGride()->model();
        QCOMPARE(m->index(0, ModeloHistorico::Usuario).data().toString(), nomeGravado);
        QCOMPARE(m->index(0, ModeloHistorico::Mensagem).data().toString(),
            QStringLiteral(" com brancos "));
    }

    void gradeAcompanhaAJanela()
    {
        c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Ana"), QStringLiteral("oi"),
            QStringLiteral("1001"), 1);
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        QMdiSubWindow *sub = area_->subWindowList().first();
        for (const QSize tamanho : {QSize(400, 200), QSize(820, 460)}) {
            sub->resize(tamanho);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(janela->grdGride()->geometry(), janela->rect());
        }
        QVERIFY(janela->width() > 700);
    }

    void duploCliqueGuardaOTextoEMostra()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Ana"), QStringLiteral("Reunião às 10h"),
            QStringLiteral("1001"), ana);
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        QTableView *grade = janela->grdGride();
        QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
        const QModelIndex celula = grade->model()->index(0, ModeloHistorico::Mensagem);
        grade->scrollTo(celula);
        const QPoint ponto = grade->visualRect(celula).center();
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QCOMPARE(global::MensagemAnterior(), QStringLiteral("Reunião às 10h"));
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Conteúdo da Célula Selecionada"));
        QCOMPARE(c_->caixa.ultimo().texto, QStringLiteral("Reunião às 10h"));
        QCOMPARE(c_->caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
    }

    // More rows than a few pages, written out of order: every page in its place, the last
    // row last, and rows written after the window opened never show in it.
    void paginasEmOrdemERetratoDaAbertura()
    {
        const int n = 2 * ModeloHistorico::kLinhasPorPagina + 5;
        QStringList esperadas;
        BancoDeDados().transaction();
        for (int i = 0; i < n; ++i) {
            const int k = (i * 37) % n; // every k once, scattered
            const QDateTime momento = Em(2026, 1, 1, 0, 0).addSecs(qint64(k) * 60);
            c_->Log(momento, QStringLiteral("U%1").arg(k), QStringLiteral("m%1").arg(k),
                QStringLiteral("1"), 1);
        }
        QVERIFY(BancoDeDados().commit());
        for (int k = 0; k < n; ++k)
            esperadas << QStringLiteral("%1 | %2 | U%3 | m%3 | 1")
                             .arg(Em(2026, 1, 1, 0, 0)
                                      .addSecs(qint64(k) * 60)
                                      .toString(QStringLiteral("dd/MM/yyyy")),
                                 Em(2026, 1, 1, 0, 0)
                                     .addSecs(qint64(k) * 60)
                                     .toString(QStringLiteral("hh:mm")))
                             .arg(k);
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        c_->Log(Em(1990, 1, 1, 0, 0), QStringLiteral("antes"), QStringLiteral("x"),
            QStringLiteral("1"), 1);
        c_->Log(Em(2030, 1, 1, 0, 0), QStringLiteral("depois"), QStringLiteral("x"),
            QStringLiteral("1"), 1);
        QCOMPARE(Linhas(janela), esperadas);
    }

    void arquivoPerdidoDepoisDeAbertaAvisaUmaVez()
    {
        BancoDeDados().transaction();
        for (int i = 0; i < 3 * ModeloHistorico::kLinhasPorPagina; ++i)
            c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Ana"), QStringLiteral("oi %1").arg(i),
                QStringLiteral("1001"), 1);
        QVERIFY(BancoDeDados().commit());
        frmHistorico *janela = Exibe();
        QVERIFY(janela);
        QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
        QVERIFY(c_->PerdeOBanco());
        QTableView *grade = janela->grdGride();
        grade->scrollToBottom();
        grade->viewport()->repaint();
        grade->scrollTo(grade->model()->index(ModeloHistorico::kLinhasPorPagina, 0));
        grade->viewport()->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Erro:"));
        const int ultima = grade->model()->rowCount() - 1;
        QCOMPARE(
            grade->model()->index(ultima, ModeloHistorico::Mensagem).data().toString(), QString());
    }

    void arquivoPerdidoAvisaENaoAbre()
    {
        c_->Log(Em(1998, 12, 6, 9, 0), QStringLiteral("Ana"), QStringLiteral("oi"),
            QStringLiteral("1001"), 1);
        QVERIFY(c_->PerdeOBanco());
        QCOMPARE(Exibe(), nullptr);
        QCOMPARE(area_->subWindowList().size(), 0);
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY(c_->caixa.ultimo().texto.startsWith(QStringLiteral("Não foi possível ler")));
    }
};

QTEST_MAIN(TestHistorico)
#include "tst_historico.moc"
