// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDoCadastro.h"
#include "Digita.h"
#include "core/directory/BancoDeDados.h"
#include "forms/registers/frmCadastraUsuarios.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

// The user dialog: creating, changing and refusing users and their groups.
class TestCadastroUsuarios : public QObject, CenarioDoCadastro
{
    Q_OBJECT

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

private Q_SLOTS:
    void init() { Prepara(); }
    void cleanup() { Encerra(); }

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
};

QTEST_MAIN(TestCadastroUsuarios)
#include "tst_cadastrousuarios.moc"
