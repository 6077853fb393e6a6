// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"
#include "core/compose/EstadoGlobal.h"
#include "forms/history/frmHistorico.h"
#include "forms/main/frmPrincipal.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The main window's commands that open the groups, membership, history and about
// windows, and the ways into the history from the users view and out of it to the
// compose window.
class TestComandosDiretorio : public QObject
{
    Q_OBJECT

    std::unique_ptr<CenarioDeJanelas> c_;
    QTemporaryDir configuracao_;
    std::unique_ptr<frmPrincipal> principal_;
    // What the operator does in each dialog the main window runs.
    std::function<void(QDialog &)> operador_;
    QStringList dialogos_;

    void Comanda(const QString &nome)
    {
        if (auto *acao = principal_->findChild<QAction *>(nome))
            acao->trigger();
        else if (auto *botao = principal_->findChild<QAbstractButton *>(nome))
            botao->click();
        else
            QFAIL(qPrintable(QStringLiteral("comando não encontrado: ") + nome));
    }
    QList<QMdiSubWindow *> Historicos() const { return principal_->areaMdi()->subWindowList(); }

private slots:
    void init()
    {
        c_ = std::make_unique<CenarioDeJanelas>();
        QVERIFY2(c_->Aberto(), qPrintable(c_->Erro()));
        operador_ = nullptr;
        dialogos_.clear();
        frmPrincipal::Dependencias d;
        d.pastaPrograma = QFileInfo(c_->Caminho()).path();
        d.pastaConfiguracao = configuracao_.path();
        d.caixa = &c_->caixa;
        d.janelas = JanelasPadrao();
        d.executaDialogo = [this](QDialog &dialogo) {
            dialogos_.append(dialogo.objectName());
            if (operador_)
                operador_(dialogo);
        };
        principal_ = std::make_unique<frmPrincipal>(std::move(d));
        principal_->show();
        global::MensagemAnterior().clear();
    }
    void cleanup()
    {
        principal_.reset();
        c_.reset();
    }

    void abreSuaJanela_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("janela");
        QTest::newRow("menu Cadastro de Grupos") << "mnuGruposCadastro"
                                                 << "frmCadastraGrupo";
        QTest::newRow("botão de grupos") << "cmdGrupos"
                                         << "frmCadastraGrupo";
        QTest::newRow("menu Exibir Usuarios do Grupo") << "mnuGruposExibirUsuarioGrupo"
                                                       << "frmUsuariosGrupo";
        QTest::newRow("menu Sobre o Programa") << "mnuAjudaSobre"
                                               << "frmSobre";
    }
    void abreSuaJanela()
    {
        QFETCH(QString, comando);
        QFETCH(QString, janela);
        Comanda(comando);
        QCOMPARE(dialogos_, QStringList{janela});
    }

    void historicoDeTodasNaAreaDaJanelaPrincipal_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::newRow("menu") << "mnuMensagemExibirHistorico";
        QTest::newRow("botão") << "cmdExibirHistorico";
    }
    void historicoDeTodasNaAreaDaJanelaPrincipal()
    {
        QFETCH(QString, comando);
        Comanda(comando);
        QCOMPARE(Historicos().size(), 0); // an empty log opens nothing
        c_->Log(QDateTime(QDate(1998, 12, 6), QTime(9, 0)), QStringLiteral("Ana"),
            QStringLiteral("oi"), QStringLiteral("1001"), 1);
        Comanda(comando);
        Comanda(comando);
        QCOMPARE(Historicos().size(), 2);
        QCOMPARE(Historicos().first()->windowTitle(),
            QStringLiteral("Histórico: Lista de todas as mensagens enviadas..."));
    }

    void botaoDaVisaoDeUsuariosAbreOHistoricoDoEscolhido()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        c_->Log(QDateTime(QDate(1998, 12, 6), QTime(9, 0)), QStringLiteral("Ana"),
            QStringLiteral("para Ana"), QStringLiteral("1001"), ana);
        c_->Log(QDateTime(QDate(1998, 12, 6), QTime(9, 1)), QStringLiteral("Bia"),
            QStringLiteral("para Bia"), QStringLiteral("1002"), bia);
        operador_ = [](QDialog &d) {
            auto *usuarios = d.findChild<QComboBox *>(QStringLiteral("cmbUsuario"));
            usuarios->setCurrentIndex(usuarios->findText(QStringLiteral("Bia")));
            d.findChild<QAbstractButton *>(QStringLiteral("cmdHistorico"))->click();
        };
        Comanda(QStringLiteral("cmdVisualizaUsuarios"));
        QCOMPARE(Historicos().size(), 1);
        QCOMPARE(Historicos().first()->windowTitle(),
            QStringLiteral("Histórico: Lista de mensagens enviadas para o usuário..."));
        auto *janela = qobject_cast<frmHistorico *>(Historicos().first()->widget());
        QVERIFY(janela);
        QCOMPARE(janela->grdGride()->model()->rowCount(), 1);
        QCOMPARE(
            janela->grdGride()->model()->index(0, 3).data().toString(), QStringLiteral("para Bia"));
    }

    void celulaDoHistoricoVoltaComAnterior()
    {
        c_->Usuario(QStringLiteral("Ana"));
        c_->Log(QDateTime(QDate(1998, 12, 6), QTime(9, 0)), QStringLiteral("Ana"),
            QStringLiteral("Reunião adiada"), QStringLiteral("1001"), 1);
        Comanda(QStringLiteral("mnuMensagemExibirHistorico"));
        QCOMPARE(Historicos().size(), 1);
        auto *janela = qobject_cast<frmHistorico *>(Historicos().first()->widget());
        QTableView *grade = janela->grdGride();
        QVERIFY(QTest::qWaitForWindowExposed(principal_.get()));
        const QPoint ponto = grade->visualRect(grade->model()->index(0, 3)).center();
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Conteúdo da Célula Selecionada"));

        QString recuperado;
        operador_ = [&recuperado](QDialog &d) {
            auto *texto = d.findChild<QPlainTextEdit *>(QStringLiteral("txtMensagem"));
            QTest::keyClicks(texto, QStringLiteral("=anterior"));
            recuperado = texto->toPlainText();
        };
        Comanda(QStringLiteral("cmdDiscarEnviar"));
        QCOMPARE(dialogos_.last(), QStringLiteral("frmMontaMsg"));
        QCOMPARE(recuperado, QStringLiteral("Reunião adiada"));
    }
};

QTEST_MAIN(TestComandosDiretorio)
#include "tst_comandosdiretorio.moc"
