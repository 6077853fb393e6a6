#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "Digita.h"
#include "PainelStatusGravado.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/registers/frmVisualizaUsuarios.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <memory>

using BancoDeTeste::Valor;
using Icone = CaixaMensagem::Icone;

// The user dialog and the users view on a real database file, with recorded message boxes.
class TestCadastroUsuarios : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;
    CaixaMensagemGravada caixa_;
    PainelStatusGravado status_;

    static int Grupo(const QString &nome)
    {
        return Diretorio().InsereGrupo(QStringLiteral("d"), nome).value_or(-1);
    }
    static int Usuario(const QString &nome, const QString &pager, const QList<int> &grupos = {})
    {
        return Diretorio()
            .InsereUsuario(QStringLiteral("desc ") + nome, pager, QDate(1998, 12, 6), nome, grupos)
            .value_or(-1);
    }
    static QVariant Sql(const QString &sql) { return Valor(BancoDeDados(), sql); }
    static int Conta(const QString &sql) { return Sql(sql).toInt(); }
    // The first column of every row, joined (group_concat is the file engine's own).
    static QString Lista(const QString &sql, QChar separador = QLatin1Char(','))
    {
        QSqlQuery q(BancoDeDados());
        QStringList valores;
        if (!q.exec(sql))
            return QStringLiteral("<falhou>");
        while (q.next())
            valores << q.value(0).toString();
        return valores.join(separador);
    }

    template <typename T> static T *Filho(QWidget &w, const char *nome)
    {
        return w.findChild<T *>(QString::fromLatin1(nome));
    }

    // Fills the dialog as the operator would and presses save.
    static void Preenche(frmCadastraUsuarios &d, const QString &nome, const QString &pager,
        const QString &descricao = {})
    {
        Filho<QLineEdit>(d, "txtNomeUsuario")->setText(nome);
        Filho<QLineEdit>(d, "txtPagerID")->setText(pager);
        Filho<QPlainTextEdit>(d, "txtDescricao")->setPlainText(descricao);
    }
    static void Marca(frmCadastraUsuarios &d, const QString &entrada, bool marcado = true)
    {
        const auto itens = Filho<QListWidget>(d, "lstGrupos")->findItems(entrada, Qt::MatchExactly);
        QVERIFY2(itens.size() == 1, qPrintable(entrada));
        itens.first()->setCheckState(marcado ? Qt::Checked : Qt::Unchecked);
    }
    static QStringList Marcados(frmCadastraUsuarios &d)
    {
        QStringList marcados;
        auto *lista = Filho<QListWidget>(d, "lstGrupos");
        for (int i = 0; i < lista->count(); ++i) {
            if (lista->item(i)->checkState() == Qt::Checked)
                marcados << lista->item(i)->text();
        }
        return marcados;
    }
    static void Clica(QWidget &w, const char *nome) { Filho<QToolButton>(w, nome)->click(); }

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
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        caixa_.limpa();
        status_.limpa();
    }
    void cleanup() { banco_.reset(); }

    void novoUsuarioGravaComGruposEDataDeHoje()
    {
        const int vendas = Grupo(QStringLiteral("Vendas"));
        Grupo(QStringLiteral("Apoio"));
        frmCadastraUsuarios d(caixa_);
        d.show();
        QCOMPARE(Filho<QLabel>(d, "pnlId")->text(), QStringLiteral("-"));
        QCOMPARE(Filho<QListWidget>(d, "lstGrupos")->currentRow(), 0);
        Preenche(d, QStringLiteral("Ana d'Ávila \"Aninha\""), QStringLiteral("4711"));
        Marca(d, QStringLiteral("%1 - Vendas").arg(vendas, 5, 10, QLatin1Char('0')));
        Clica(d, "cmdCadastrarGrupo");

        QCOMPARE(caixa_.quantidade(), 0);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Sql(QStringLiteral("SELECT Nome_Usuario FROM Usuarios")).toString(),
            QStringLiteral("Ana d'Ávila \"Aninha\""));
        QCOMPARE(Sql(QStringLiteral("SELECT Descricao FROM Usuarios")).toString(),
            QStringLiteral("Não há descrição para este usuário."));
        QCOMPARE(Sql(QStringLiteral("SELECT Data_Cadastro FROM Usuarios")).toString(),
            QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(Sql(QStringLiteral("SELECT ID_Grupo FROM Usuario_Grupo")).toInt(), vendas);
        QCOMPARE(d.idUsuario(), Sql(QStringLiteral("SELECT ID_Usuario FROM Usuarios")).toInt());
    }

    void gruposMarcadosPeloTecladoSemMudarAoAndar()
    {
        Grupo(QStringLiteral("A"));
        Grupo(QStringLiteral("B"));
        Grupo(QStringLiteral("C"));
        frmCadastraUsuarios d(caixa_);
        d.show();
        auto *lista = Filho<QListWidget>(d, "lstGrupos");
        lista->setFocus();
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Space);
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Up);
        QTest::keyClick(lista, Qt::Key_Up);
        QCOMPARE(lista->currentRow(), 0);
        QCOMPARE(Marcados(d), QStringList({QStringLiteral("00002 - B")}));
    }

    void camposObrigatoriosRecusados_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("pager");
        QTest::addColumn<QString>("texto");
        const QString semPager
            = QStringLiteral("Desculpe, mas para criar um novo usuário você deve "
                             "informar o seu respectivo código do pager.");
        const QString semNome = QStringLiteral(
            "Desculpe, mas para criar um novo usuário você deve informar o seu respectivo nome.");
        QTest::newRow("sem pager") << QStringLiteral("Ana") << QString() << semPager;
        QTest::newRow("nada") << QString() << QString() << semPager;
        QTest::newRow("sem nome") << QString() << QStringLiteral("12") << semNome;
        QTest::newRow("pager em branco")
            << QStringLiteral("Ana") << QStringLiteral("   ") << semPager;
        QTest::newRow("nome em branco") << QStringLiteral("  ") << QStringLiteral("12") << semNome;
    }
    void camposObrigatoriosRecusados()
    {
        QFETCH(QString, nome);
        QFETCH(QString, pager);
        QFETCH(QString, texto);
        Grupo(QStringLiteral("Vendas"));
        frmCadastraUsuarios d(caixa_);
        d.show();
        Preenche(d, nome, pager, QStringLiteral("obs"));
        Marca(d, QStringLiteral("00001 - Vendas"));
        Clica(d, "cmdCadastrarGrupo");

        QCOMPARE(caixa_.textos(), QStringList({texto}));
        QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Advertência:"));
        QCOMPARE(caixa_.ultimo().icone, Icone::Informacao);
        QVERIFY(d.isVisible());
        QCOMPARE(Filho<QLineEdit>(d, "txtNomeUsuario")->text(), nome);
        QCOMPARE(Marcados(d), QStringList({QStringLiteral("00001 - Vendas")}));
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 0);
    }

    void pagerRepetidoRecusadoSoNaCriacao()
    {
        const int ana = Usuario(QStringLiteral("Ana"), QStringLiteral("100"));
        Usuario(QStringLiteral("Bia"), QStringLiteral("200"));
        {
            frmCadastraUsuarios d(caixa_);
            d.show();
            Preenche(d, QStringLiteral("Caio"), QStringLiteral("200"), QStringLiteral("x"));
            Clica(d, "cmdCadastrarGrupo");
            QCOMPARE(caixa_.textos(),
                QStringList({QStringLiteral("Desculpe, mas você não deve possuir dois usuários que "
                                            "utilizem o mesmo código de pager.")}));
            QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Erro:"));
            QVERIFY(d.isVisible());
            QCOMPARE(Filho<QLineEdit>(d, "txtPagerID")->text(), QStringLiteral("200"));
            QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 2);
        }
        caixa_.limpa();
        frmCadastraUsuarios d(caixa_);
        QVERIFY(d.CarregaDoDiretorio(ana));
        d.show();
        Filho<QLineEdit>(d, "txtPagerID")->setText(QStringLiteral("200"));
        Clica(d, "cmdCadastrarGrupo");
        QCOMPARE(caixa_.quantidade(), 0);
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE ID_Pager = '200'")), 2);
    }

    void alteracaoGuardaDataEReescreveGrupos()
    {
        const int a = Grupo(QStringLiteral("A"));
        const int b = Grupo(QStringLiteral("B"));
        const int c = Grupo(QStringLiteral("C"));
        const int id = Usuario(QStringLiteral("Ana"), QStringLiteral("1"), {a, c});
        frmCadastraUsuarios d(caixa_);
        QVERIFY(d.CarregaDoDiretorio(id));
        d.show();
        QCOMPARE(Filho<QLabel>(d, "pnlId")->text(), QString::number(id));
        QCOMPARE(
            Filho<QPlainTextEdit>(d, "txtDescricao")->toPlainText(), QStringLiteral("desc Ana"));
        QCOMPARE(
            Marcados(d), QStringList({QStringLiteral("00001 - A"), QStringLiteral("00003 - C")}));
        Marca(d, QStringLiteral("00001 - A"), false);
        Marca(d, QStringLiteral("00002 - B"));
        Filho<QLineEdit>(d, "txtNomeUsuario")->setText(QStringLiteral("Ana Maria"));
        Clica(d, "cmdCadastrarGrupo");

        QCOMPARE(caixa_.quantidade(), 0);
        QCOMPARE(Sql(QStringLiteral("SELECT Data_Cadastro FROM Usuarios")).toString(),
            QStringLiteral("06/12/1998"));
        QCOMPARE(Sql(QStringLiteral("SELECT Nome_Usuario FROM Usuarios")).toString(),
            QStringLiteral("Ana Maria"));
        QCOMPARE(Lista(QStringLiteral("SELECT ID_Grupo FROM Usuario_Grupo ORDER BY ID_Grupo")),
            QStringLiteral("%1,%2").arg(b).arg(c));
    }

    void semGrupoMarcadoSaiDeTodos()
    {
        const int a = Grupo(QStringLiteral("A"));
        const int id = Usuario(QStringLiteral("Ana"), QStringLiteral("1"), {a});
        frmCadastraUsuarios d(caixa_);
        QVERIFY(d.CarregaDoDiretorio(id));
        d.show();
        Marca(d, QStringLiteral("00001 - A"), false);
        Clica(d, "cmdCadastrarGrupo");
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo")), 0);
    }

    void mesmoNomeCadaUmComSeusGrupos()
    {
        Grupo(QStringLiteral("A"));
        Grupo(QStringLiteral("B"));
        for (const char *grupo : {"00001 - A", "00002 - B"}) {
            frmCadastraUsuarios d(caixa_);
            d.show();
            Preenche(d, QStringLiteral("José"), QString::fromLatin1(grupo).left(5));
            Marca(d, QString::fromLatin1(grupo));
            Clica(d, "cmdCadastrarGrupo");
        }
        QCOMPARE(caixa_.quantidade(), 0);
        QCOMPARE(Lista(QStringLiteral("SELECT u.ID_Pager || ':' || g.ID_Grupo AS p FROM Usuarios "
                                      "u JOIN Usuario_Grupo g ON g.ID_Usuario = u.ID_Usuario "
                                      "ORDER BY p"),
                     QLatin1Char(';')),
            QStringLiteral("00001:1;00002:2"));
    }

    void retornarNaoGravaNada()
    {
        frmCadastraUsuarios d(caixa_);
        d.show();
        Preenche(d, QStringLiteral("Ana"), QStringLiteral("1"));
        Clica(d, "cmdRetornar");
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 0);
        QCOMPARE(caixa_.quantidade(), 0);
    }

    void caixasRecusamOQueOCodigoNaoGuarda()
    {
        frmCadastraUsuarios d(caixa_);
        d.show();
        auto *nome = Filho<QLineEdit>(d, "txtNomeUsuario");
        nome->setFocus();
        Digita(nome, QStringLiteral("Zoéő€"));
        QCOMPARE(nome->text(), QStringLiteral("Zoé€"));
        QApplication::clipboard()->setText(QStringLiteral(" Łódź"));
        nome->paste();
        QCOMPARE(nome->text(), QStringLiteral("Zoé€"));
        QCOMPARE(nome->cursorPosition(), 4);
        QTest::keyClicks(nome, QString(60, QLatin1Char('x')));
        QCOMPARE(nome->text().size(), 50);
        auto *pager = Filho<QLineEdit>(d, "txtPagerID");
        QTest::keyClicks(pager, QStringLiteral("123456789012"));
        QCOMPARE(pager->text(), QStringLiteral("1234567890"));
        auto *descricao = Filho<QPlainTextEdit>(d, "txtDescricao");
        QTest::keyClicks(descricao, QString(90, QLatin1Char('d')));
        QCOMPARE(descricao->toPlainText().size(), 80);
    }

    void falhaAoGravarAvisaENaoGravaMetade()
    {
        Grupo(QStringLiteral("A"));
        frmCadastraUsuarios d(caixa_);
        d.show();
        Preenche(d, QStringLiteral("Ana"), QStringLiteral("1"), QStringLiteral("obs"));
        Marca(d, QStringLiteral("00001 - A"));
        // The memberships cannot be written: the user row must not stay behind alone.
        QVERIFY(QSqlQuery(BancoDeDados()).exec(QStringLiteral("DROP TABLE Usuario_Grupo")));
        Clica(d, "cmdCadastrarGrupo");
        QCOMPARE(caixa_.quantidade(), 1);
        QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY(!caixa_.ultimo().texto.isEmpty());
        QVERIFY(d.isVisible());
        QCOMPARE(Filho<QLabel>(d, "pnlId")->text(), QStringLiteral("-"));
        QCOMPARE(Conta(QStringLiteral("SELECT COUNT(*) FROM Usuarios")), 0);
    }

    void gruposIlegiveisNaoApagamOsGruposAoGravar()
    {
        const int a = Grupo(QStringLiteral("A"));
        const int ana = Usuario(QStringLiteral("Ana"), QStringLiteral("1"), {a});
        QVERIFY(QSqlQuery(BancoDeDados()).exec(QStringLiteral("ALTER TABLE Grupos RENAME TO G")));
        frmCadastraUsuarios d(caixa_);
        QVERIFY(d.CarregaDoDiretorio(ana));
        d.show();
        QCOMPARE(caixa_.quantidade(), 1); // the group list could not be read
        QCOMPARE(Filho<QListWidget>(d, "lstGrupos")->count(), 0);
        QVERIFY(QSqlQuery(BancoDeDados()).exec(QStringLiteral("ALTER TABLE G RENAME TO Grupos")));
        Filho<QLineEdit>(d, "txtNomeUsuario")->setText(QStringLiteral("Ana Maria"));
        Clica(d, "cmdCadastrarGrupo");
        QCOMPARE(caixa_.quantidade(), 1);
        QCOMPARE(Sql(QStringLiteral("SELECT Nome_Usuario FROM Usuarios")).toString(),
            QStringLiteral("Ana Maria"));
        QCOMPARE(
            Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo WHERE ID_Grupo = %1").arg(a)),
            1);
    }

    // --- the users view

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

QTEST_MAIN(TestCadastroUsuarios)
#include "tst_cadastrousuarios.moc"
