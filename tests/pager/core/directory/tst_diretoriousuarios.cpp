// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/Diretorio.h"

#include <QTest>
#include <memory>

using BancoDeTeste::Coluna;

// The users register's statements against a real database file.
class TestDiretorioUsuarios : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;

    // With no pager code given, one no other user has (codes are unique on insert).
    static int Insere(const QString &nome, QString pager = {}, const QList<int> &grupos = {})
    {
        static int codigos = 0;
        if (pager.isEmpty())
            pager = QStringLiteral("p%1").arg(++codigos);
        const auto id = Diretorio().InsereUsuario(
            QStringLiteral("desc"), pager, QDate(2026, 12, 7), nome, grupos);
        return id.value_or(-1);
    }

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
    }
    void cleanup() { banco_.reset(); }

    void cadastroVazioNaoListaNada()
    {
        Diretorio d;
        auto usuarios = d.ListaUsuarios();
        QVERIFY2(usuarios, qPrintable(d.Erro()));
        QVERIFY(usuarios->NoFim());
        QCOMPARE(usuarios->NumeroDeRegistros(), 0);
        QVERIFY(!usuarios->Campo(QStringLiteral("Nome_Usuario")).isValid());
        QCOMPARE(Coluna(d.UsuarioPorId(1), QStringLiteral("Nome_Usuario")), QStringList());
    }

    void listaPorNomeEPercorreAteOFim()
    {
        for (const char *nome : {"Carlos", "Ana", "Bruno", "Ana"})
            QVERIFY(Insere(QString::fromUtf8(nome)) > 0);
        Diretorio d;
        auto lista = d.ListaUsuarios();
        QVERIFY(lista);
        QCOMPARE(lista->NumeroDeRegistros(), 4);
        QStringList nomes;
        while (!lista->NoFim()) {
            // Column names are matched whatever their case, as a server would return them.
            nomes << lista->Campo(QStringLiteral("nome_usuario")).toString();
            QVERIFY(lista->Campo(QStringLiteral("ID_Usuario")).toInt() > 0);
            lista->Proximo();
        }
        QCOMPARE(nomes, QStringList({"Ana", "Ana", "Bruno", "Carlos"}));
        lista->Proximo();
        QVERIFY(lista->NoFim());
        QVERIFY(!lista->Campo(QStringLiteral("Nome_Usuario")).isValid());
        lista->Fecha();
        QCOMPARE(lista->NumeroDeRegistros(), 0);
    }

    void textoGravadoComoDigitado_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("apóstrofo") << QStringLiteral("O'Brien");
        QTest::newRow("aspas") << QStringLiteral("\"Zé\" da Silva");
        QTest::newRow("os dois") << QStringLiteral("d'Ávila \"Tico\"");
        QTest::newRow("comando") << QStringLiteral("x'); DELETE FROM Usuarios; --");
        QTest::newRow("brancos nas pontas") << QStringLiteral("  Ana  ");
        QTest::newRow("vazio") << QString();
    }
    void textoGravadoComoDigitado()
    {
        QFETCH(QString, texto);
        Diretorio d;
        QVERIFY(Insere(QStringLiteral("Outro"), QStringLiteral("999")) > 0);
        const auto id = d.InsereUsuario(texto, texto.left(10), QDate(1998, 12, 6), texto);
        QVERIFY2(id, qPrintable(d.Erro()));
        const QString esperado = texto.isNull() ? QStringLiteral("") : texto;

        for (auto usuario : {d.UsuarioPorId(*id)}) {
            QVERIFY(usuario && !usuario->NoFim());
            QCOMPARE(usuario->Campo(QStringLiteral("Nome_Usuario")).toString(), esperado);
            QCOMPARE(usuario->Campo(QStringLiteral("Descricao")).toString(), esperado);
            QCOMPARE(usuario->Campo(QStringLiteral("ID_Pager")).toString(), esperado.left(10));
            QCOMPARE(usuario->Campo(QStringLiteral("Data_Cadastro")).toString(),
                QStringLiteral("06/12/1998"));
        }
        // The duplicate check finds the code as it was stored.
        QVERIFY(!d.InsereUsuario({}, texto.left(10), QDate(1998, 12, 6), QStringLiteral("B")));
        QCOMPARE(d.Motivo(), Diretorio::Recusa::Repetido);
        QCOMPARE(Coluna(d.ListaUsuarios(), QStringLiteral("ID_Usuario")).size(), 2);
    }

    void segundoUsuarioDeMesmoNomeRecebeSeusGrupos()
    {
        Diretorio d;
        const int vendas
            = d.InsereGrupo(QStringLiteral("v"), QStringLiteral("Vendas")).value_or(-1);
        const int suporte
            = d.InsereGrupo(QStringLiteral("s"), QStringLiteral("Suporte")).value_or(-1);
        const int primeira = Insere(QStringLiteral("Ana"), QStringLiteral("100"), {vendas});
        const int segunda = Insere(QStringLiteral("Ana"), QStringLiteral("200"), {suporte});
        QVERIFY(primeira > 0 && segunda > 0 && primeira != segunda);

        QCOMPARE(Coluna(d.GruposDoUsuario(primeira), QStringLiteral("ID_Grupo")),
            QStringList{QString::number(vendas)});
        QCOMPARE(Coluna(d.GruposDoUsuario(segunda), QStringLiteral("ID_Grupo")),
            QStringList{QString::number(suporte)});
        // Users of one name are listed oldest first.
        QCOMPARE(Coluna(d.ListaUsuarios(), QStringLiteral("ID_Usuario")),
            QStringList({QString::number(primeira), QString::number(segunda)}));
    }

    void identificadorDeExcluidoNaoEReaproveitado()
    {
        Diretorio d;
        const int antigo = Insere(QStringLiteral("Rui"));
        QVERIFY(d.GravaLog(QDateTime(QDate(2026, 1, 2), QTime(8, 0)), QStringLiteral("Rui"),
            QStringLiteral("oi"), QStringLiteral("1"), antigo));
        QVERIFY(d.ExcluiUsuario(antigo));
        const int novo = Insere(QStringLiteral("Eva"));
        QVERIFY(novo > antigo);
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(novo), QStringLiteral("Mensagem")), QStringList());
    }

    void alteraUsuario()
    {
        Diretorio d;
        const int g1 = d.InsereGrupo({}, QStringLiteral("G1")).value_or(-1);
        const int g2 = d.InsereGrupo({}, QStringLiteral("G2")).value_or(-1);
        const int id = Insere(QStringLiteral("Ana"), QStringLiteral("100"), {g1});

        QVERIFY(d.AlteraUsuario(
            id, QStringLiteral("nova"), QStringLiteral("300"), QStringLiteral("Ana Maria")));
        auto u = d.UsuarioPorId(id);
        QVERIFY(u && !u->NoFim());
        QCOMPARE(u->Campo(QStringLiteral("Nome_Usuario")).toString(), QStringLiteral("Ana Maria"));
        QCOMPARE(u->Campo(QStringLiteral("ID_Pager")).toString(), QStringLiteral("300"));
        QCOMPARE(u->Campo(QStringLiteral("Descricao")).toString(), QStringLiteral("nova"));
        QCOMPARE(
            u->Campo(QStringLiteral("Data_Cadastro")).toString(), QStringLiteral("07/12/2026"));
        QCOMPARE(Coluna(d.GruposDoUsuario(id), QStringLiteral("ID_Grupo")),
            QStringList{QString::number(g1)});

        QVERIFY(d.AlteraUsuario(id, QStringLiteral("nova"), QStringLiteral("300"),
            QStringLiteral("Ana Maria"), MudancaDeGrupos{{g2}, {g1}}));
        QCOMPARE(Coluna(d.GruposDoUsuario(id), QStringLiteral("ID_Grupo")),
            QStringList{QString::number(g2)});
    }

    void excluiUsuarioESeusGruposMantemLog()
    {
        Diretorio d;
        const int g = d.InsereGrupo({}, QStringLiteral("G")).value_or(-1);
        const int sai = Insere(QStringLiteral("Sai"), QStringLiteral("1"), {g});
        const int fica = Insere(QStringLiteral("Fica"), QStringLiteral("2"), {g});
        QVERIFY(d.GravaLog(QDateTime(QDate(2026, 1, 2), QTime(8, 0)), QStringLiteral("Sai"),
            QStringLiteral("tchau"), QStringLiteral("1"), sai));

        QVERIFY2(d.ExcluiUsuario(sai), qPrintable(d.Erro()));
        QCOMPARE(Coluna(d.UsuarioPorId(sai), QStringLiteral("ID_Usuario")), QStringList());
        QCOMPARE(Coluna(d.GruposDoUsuario(sai), QStringLiteral("ID_Grupo")), QStringList());
        QCOMPARE(Coluna(d.MembrosDoGrupo(g), QStringLiteral("ID_Usuario")),
            QStringList{QString::number(fica)});
        QCOMPARE(Coluna(BancoDeTeste::ListaLog(), QStringLiteral("Usuario")), QStringList{"Sai"});
    }

    void nomeEPagerDeUmUsuario()
    {
        Diretorio d;
        const int id = Insere(QStringLiteral("Bia"), QStringLiteral("5550001"));
        auto nome = d.NomeUsuario(id);
        QVERIFY(nome && !nome->NoFim());
        QCOMPARE(nome->Campo(QStringLiteral("Nome_Usuario")).toString(), QStringLiteral("Bia"));
        QVERIFY(!nome->Campo(QStringLiteral("ID_Pager")).isValid());

        auto destinatario = d.PagerENomeUsuario(id);
        QVERIFY(destinatario && destinatario->NumeroDeRegistros() == 1);
        QCOMPARE(
            destinatario->Campo(QStringLiteral("ID_Pager")).toString(), QStringLiteral("5550001"));
        QCOMPARE(
            destinatario->Campo(QStringLiteral("Nome_Usuario")).toString(), QStringLiteral("Bia"));
        QVERIFY(!destinatario->Campo(QStringLiteral("Descricao")).isValid());
    }
};

QTEST_GUILESS_MAIN(TestDiretorioUsuarios)
#include "tst_diretoriousuarios.moc"
