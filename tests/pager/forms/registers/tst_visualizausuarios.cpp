// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDoCadastro.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/registers/frmVisualizaUsuarios.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

// The users view: the list, the details panel and the buttons that open the user dialog.
class TestVisualizaUsuarios : public QObject, CenarioDoCadastro
{
    Q_OBJECT

    std::unique_ptr<frmVisualizaUsuarios> Visao(std::function<void(QDialog &)> dialogo = {},
        std::function<void(const QString &)> historico = {})
    {
        frmVisualizaUsuarios::Dependencias d;
        d.ExibeHistorico = std::move(historico);
        return std::make_unique<frmVisualizaUsuarios>(
            AmbienteJanela{caixa_, [this](const QString &t) { status_.mostraStatus(t); },
                std::move(dialogo), {}},
            std::move(d));
    }
    static QString Detalhes(frmVisualizaUsuarios &v)
    {
        return Filho<QLabel>(v, "pnlDescricaoGrupo")->text();
    }

private Q_SLOTS:
    void init() { Prepara(); }
    void cleanup() { Encerra(); }

    void visaoVaziaAvisaEmAlterarEExcluir_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("alterar") << QStringLiteral("cmdAlterarGrupo");
        QTest::newRow("excluir") << QStringLiteral("cmdExcluirGrupo");
    }
    void visaoVaziaAvisaEmAlterarEExcluir()
    {
        QFETCH(QString, botao);
        bool abriu = false;
        auto v = Visao([&](QDialog &) { abriu = true; });
        QCOMPARE(Detalhes(*v), QStringLiteral("Não há usuários cadastrados."));
        v->findChild<QToolButton *>(botao)->click();
        QVERIFY(!abriu);
        QCOMPARE(caixa_.textos(), QStringList({QStringLiteral("Não há usuários cadastrados.")}));
        QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa_.ultimo().botoes, CaixaMensagem::Botoes::Ok);
    }

    void visaoListaPorNomeEMostraDetalhes()
    {
        const int a = Grupo(QStringLiteral("A"));
        const int b = Grupo(QStringLiteral("B"));
        const int c = Grupo(QStringLiteral("C"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("22"), {a, b, c});
        const int ana = Usuario(QStringLiteral("Ana"), QStringLiteral("11"));
        auto v = Visao();
        auto *lista = Filho<QComboBox>(*v, "cmbUsuario");
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->itemText(0), QStringLiteral("Ana"));
        QCOMPARE(v->IdsUsuarios(), QList<int>({0, ana, bia}));
        QCOMPARE(Detalhes(*v),
            QStringLiteral("Código do Pager: 11\r\nData de Cadastro: 06/12/1998\r\n"
                           "Grupos: Não pertence a nenhum grupo.\r\nDescrição: desc Ana"));
        lista->setCurrentIndex(1);
        QCOMPARE(Detalhes(*v).split(QStringLiteral("\r\n")).at(2),
            QStringLiteral("Grupos: Pertence a 3 grupo(s)."));
        QCOMPARE(caixa_.quantidade(), 0);
    }

    // Codes and descriptions are shown as typed: a pager code that looks like markup does
    // not turn the panel into formatted text that runs the four lines into one.
    void detalhesMostramOCodigoComoDigitado()
    {
        Usuario(QStringLiteral("Ana"), QStringLiteral("<b>7</b>"));
        auto v = Visao();
        auto *painel = Filho<QLabel>(*v, "pnlDescricaoGrupo");
        QVERIFY(Detalhes(*v).startsWith(QStringLiteral("Código do Pager: <b>7</b>\r\n")));
        // What is drawn (and read out to a screen reader) is the text itself.
        QAccessibleInterface *lido = QAccessible::queryAccessibleInterface(painel);
        QVERIFY(lido);
        QCOMPARE(lido->text(QAccessible::Name), Detalhes(*v));
    }

    void excluirPerguntaEGuardaOHistorico()
    {
        const int a = Grupo(QStringLiteral("A"));
        const int id = Usuario(QStringLiteral("Ana"), QStringLiteral("11"), {a});
        QVERIFY(Diretorio().GravaLog(QDateTime(QDate(2026, 1, 2), QTime(10, 0)),
            QStringLiteral("Ana"), QStringLiteral("oi"), QStringLiteral("11"), id));
        auto v = Visao();
        caixa_.responde({CaixaMensagem::Resposta::Nao});
        Clica(*v, "cmdExcluirGrupo");
        QCOMPARE(caixa_.ultimo().texto,
            QStringLiteral("Você tem certeza que deseja excluir este usuário do cadastro?"));
        QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Atenção:"));
        QCOMPARE(caixa_.ultimo().icone, Icone::Pergunta);
        QCOMPARE(caixa_.ultimo().botoes, CaixaMensagem::Botoes::SimNao);
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 1);

        caixa_.responde({CaixaMensagem::Resposta::Sim});
        Clica(*v, "cmdExcluirGrupo");
        QCOMPARE(caixa_.quantidade(), 2);
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 0);
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo")), 0);
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Log")), 1);
        QCOMPARE(Filho<QComboBox>(*v, "cmbUsuario")->count(), 0);
        QCOMPARE(Detalhes(*v), QStringLiteral("Não há usuários cadastrados."));
    }

    void novoPelaVisaoAtualizaListaEStatus()
    {
        Usuario(QStringLiteral("Bia"), QStringLiteral("22"));
        QStringList statusDuranteODialogo;
        auto v = Visao([&](QDialog &dialogo) {
            auto &d = static_cast<frmCadastraUsuarios &>(dialogo);
            statusDuranteODialogo = status_.textos();
            d.show();
            Preenche(d, QStringLiteral("Ana"), QStringLiteral("11"));
            Clica(d, "cmdCadastrarGrupo");
        });
        Clica(*v, "cmdCadastrarGrupo");
        QCOMPARE(statusDuranteODialogo,
            QStringList({QStringLiteral(" Inserindo um novo usuário no cadastro ...")}));
        QCOMPARE(status_.ultimo(), QStringLiteral(" Pronto"));
        QCOMPARE(Filho<QComboBox>(*v, "cmbUsuario")->itemText(0), QStringLiteral("Ana"));
        QVERIFY(Detalhes(*v).startsWith(QStringLiteral("Código do Pager: 11\r\n")));
    }

    void alterarPelaVisaoCarregaOUsuarioEscolhido()
    {
        Usuario(QStringLiteral("Ana"), QStringLiteral("11"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("22"));
        QStringList carregado;
        auto v = Visao([&](QDialog &dialogo) {
            carregado = QStringList({Filho<QLabel>(dialogo, "pnlId")->text(),
                Filho<QLineEdit>(dialogo, "txtNomeUsuario")->text(),
                Filho<QLineEdit>(dialogo, "txtPagerID")->text(),
                Filho<QPlainTextEdit>(dialogo, "txtDescricao")->toPlainText(), status_.ultimo()});
            Filho<QLineEdit>(dialogo, "txtPagerID")->setText(QStringLiteral("99"));
            dialogo.show();
            Clica(dialogo, "cmdCadastrarGrupo");
        });
        Filho<QComboBox>(*v, "cmbUsuario")->setCurrentIndex(1);
        Clica(*v, "cmdAlterarGrupo");
        QCOMPARE(carregado,
            QStringList({QString::number(bia), QStringLiteral("Bia"), QStringLiteral("22"),
                QStringLiteral("desc Bia"),
                QStringLiteral(" Alterando informações sobre usuário ...")}));
        QCOMPARE(status_.ultimo(), QStringLiteral(" Pronto"));
        QCOMPARE(Sql(QStringLiteral("SELECT ID_Pager FROM Usuarios WHERE Nome_Usuario = 'Bia'"))
                     .toString(),
            QStringLiteral("99"));
    }

    void usuarioQueOutroExcluiuSaiDaLista()
    {
        Usuario(QStringLiteral("Ana"), QStringLiteral("11"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("22"));
        bool abriu = false;
        auto v = Visao([&abriu](QDialog &) { abriu = true; });
        Filho<QComboBox>(*v, "cmbUsuario")->setCurrentIndex(1);
        QVERIFY(Diretorio().ExcluiUsuario(bia)); // another operator
        Clica(*v, "cmdAlterarGrupo");
        QVERIFY(!abriu);
        QCOMPARE(caixa_.textos(), QStringList{"Este usuário não está mais no cadastro."});
        auto *lista = Filho<QComboBox>(*v, "cmbUsuario");
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->itemText(0), QStringLiteral("Ana"));
    }

    void historicoDoUsuarioEscolhido()
    {
        Usuario(QStringLiteral("Ana"), QStringLiteral("11"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("22"));
        QStringList pedidos;
        auto v = Visao({}, [&](const QString &id) { pedidos << id; });
        Filho<QComboBox>(*v, "cmbUsuario")->setCurrentIndex(1);
        auto *botao = Filho<QPushButton>(*v, "cmdHistorico");
        QCOMPARE(botao->text(), QStringLiteral("E&xibir Histórico"));
        botao->click();
        QCOMPARE(pedidos, QStringList({QString::number(bia)}));
        // Without the history window the button opens nothing and says nothing.
        auto semHistorico = Visao();
        Filho<QPushButton>(*semHistorico, "cmdHistorico")->click();
        QCOMPARE(caixa_.quantidade(), 0);
    }

    void falhaDoBancoViraMensagemEAJanelaContinua()
    {
        Usuario(QStringLiteral("Ana"), QStringLiteral("11"));
        auto v = Visao();
        QVERIFY(QSqlQuery(BancoDeDados()).exec(QStringLiteral("DROP TABLE Usuario_Grupo")));
        caixa_.responde({CaixaMensagem::Resposta::Sim});
        Clica(*v, "cmdExcluirGrupo");
        QCOMPARE(caixa_.quantidade(), 2 + 1); // question, the failed delete, the failed details
        QCOMPARE(caixa_.registros().at(1).titulo, QStringLiteral("Erro:"));
        QVERIFY(!caixa_.registros().at(1).texto.isEmpty());
        // Nothing half-done: the user is still there.
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 1);
        QCOMPARE(Filho<QComboBox>(*v, "cmbUsuario")->count(), 1);
    }
};

QTEST_MAIN(TestVisualizaUsuarios)
#include "tst_visualizausuarios.moc"
