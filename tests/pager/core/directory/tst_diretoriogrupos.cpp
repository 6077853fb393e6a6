// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/Diretorio.h"

#include <QSqlQuery>
#include <QTest>
#include <memory>

using BancoDeTeste::Coluna;

// The groups register's and the membership window's statements against a real file.
class TestDiretorioGrupos : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;
    Diretorio d_;
    int pagers_ = 0;

    int Grupo(const QString &nome)
    {
        return d_.InsereGrupo(QStringLiteral("d"), nome).value_or(-1);
    }
    int Usuario(const QString &nome)
    {
        return d_
            .InsereUsuario(
                QStringLiteral("d"), QStringLiteral("p%1").arg(++pagers_), QDate(2026, 1, 1), nome)
            .value_or(-1);
    }
    static QStringList Ids(std::initializer_list<int> ids)
    {
        QStringList textos;
        for (int id : ids)
            textos << QString::number(id);
        return textos;
    }
    int Orfas()
    {
        return BancoDeTeste::Valor(BancoDeDados(),
            QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo WHERE "
                           "ID_Grupo NOT IN (SELECT ID_Grupo FROM Grupos)"))
            .toInt();
    }

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        d_ = Diretorio();
    }
    void cleanup() { banco_.reset(); }

    void listaPorNomeComDescricao()
    {
        QCOMPARE(Coluna(d_.ListaGrupos(), QStringLiteral("Nome_Grupo")), QStringList());
        for (const char *nome : {"Vendas", "Diretoria", "Suporte"})
            QVERIFY(Grupo(QString::fromUtf8(nome)) > 0);
        QCOMPARE(Coluna(d_.ListaGrupos(), QStringLiteral("Nome_Grupo")),
            QStringList({"Diretoria", "Suporte", "Vendas"}));
        QCOMPARE(
            Coluna(d_.GruposPorNome(QStringLiteral("Suporte")), QStringLiteral("Descricao_Grupo")),
            QStringList{"d"});
    }

    void textoGravadoComoDigitado_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("descricao");
        QTest::newRow("apóstrofo") << QStringLiteral("D'Ajuda") << QStringLiteral("d'água");
        QTest::newRow("aspas") << QStringLiteral("\"Zé\"") << QStringLiteral("o \"grupo\"");
    }
    void textoGravadoComoDigitado()
    {
        QFETCH(QString, nome);
        QFETCH(QString, descricao);
        const auto id = d_.InsereGrupo(descricao, nome);
        QVERIFY2(id, qPrintable(d_.Erro()));
        auto grupo = d_.GruposPorNome(nome);
        QVERIFY(grupo && grupo->NumeroDeRegistros() == 1);
        QCOMPARE(grupo->Campo(QStringLiteral("ID_Grupo")).toInt(), *id);
        QCOMPARE(grupo->Campo(QStringLiteral("Nome_Grupo")).toString(), nome);
        QCOMPARE(grupo->Campo(QStringLiteral("Descricao_Grupo")).toString(), descricao);
        QCOMPARE(Coluna(d_.IdGrupoPorNome(nome), QStringLiteral("ID_Grupo")), Ids({*id}));
    }

    void alteraGrupoMantemMembros()
    {
        const int g = Grupo(QStringLiteral("Velho"));
        const int u = Usuario(QStringLiteral("Ana"));
        QVERIFY(d_.InsereUsuarioNoGrupo(u, g));
        QVERIFY(d_.AlteraGrupo(g, QStringLiteral("outra"), QStringLiteral("Novo")));
        QCOMPARE(Coluna(d_.ListaGrupos(), QStringLiteral("Nome_Grupo")), QStringList{"Novo"});
        QCOMPARE(
            Coluna(d_.GruposPorNome(QStringLiteral("Novo")), QStringLiteral("Descricao_Grupo")),
            QStringList{"outra"});
        QCOMPARE(Coluna(d_.MembrosDoGrupo(g), QStringLiteral("ID_Usuario")), Ids({u}));
    }

    void excluiTodosOsGruposDoNomeESeusMembros()
    {
        const int vendas = Grupo(QStringLiteral("Vendas"));
        const int suporte = Grupo(QStringLiteral("Suporte"));
        const int outros = Grupo(QStringLiteral("Outros"));
        // Alterations are not checked for duplicates: two groups now share the name.
        QVERIFY(d_.AlteraGrupo(suporte, QStringLiteral("d"), QStringLiteral("Vendas")));
        const int ana = Usuario(QStringLiteral("Ana"));
        const int bia = Usuario(QStringLiteral("Bia"));
        QVERIFY(Regrava(ana, {vendas, outros}));
        QVERIFY(Regrava(bia, {suporte}));
        QCOMPARE(Coluna(d_.IdGrupoPorNome(QStringLiteral("Vendas")), QStringLiteral("ID_Grupo")),
            Ids({vendas, suporte}));

        QVERIFY2(d_.ExcluiGrupo(QStringLiteral("Vendas")), qPrintable(d_.Erro()));
        QCOMPARE(Coluna(d_.ListaGrupos(), QStringLiteral("Nome_Grupo")), QStringList{"Outros"});
        QCOMPARE(Orfas(), 0);
        QCOMPARE(Coluna(d_.GruposDoUsuario(ana), QStringLiteral("ID_Grupo")), Ids({outros}));
        QCOMPARE(Coluna(d_.GruposDoUsuario(bia), QStringLiteral("ID_Grupo")), QStringList());
    }

    void associacoes()
    {
        const int g1 = Grupo(QStringLiteral("G1"));
        const int g2 = Grupo(QStringLiteral("G2"));
        const int ana = Usuario(QStringLiteral("Ana"));
        const int bia = Usuario(QStringLiteral("Bia"));
        QVERIFY(d_.InsereUsuarioNoGrupo(ana, g1));
        // A member already: nothing stored, nothing refused.
        QVERIFY(d_.InsereUsuarioNoGrupo(ana, g1));
        QVERIFY(d_.InsereUsuarioNoGrupo(ana, g2));
        QVERIFY(d_.InsereUsuarioNoGrupo(bia, g1));
        // Memberships written by an older program may repeat a pair.
        QVERIFY(
            QSqlQuery(BancoDeDados())
                .exec(
                    QStringLiteral("INSERT INTO Usuario_Grupo VALUES (%1, %2)").arg(ana).arg(g1)));

        QCOMPARE(d_.GruposDoUsuario(ana)->NumeroDeRegistros(), 3);
        auto distintos = Coluna(d_.GruposDistintosDoUsuario(ana), QStringLiteral("ID_Grupo"));
        distintos.sort();
        QCOMPARE(distintos, Ids({g1, g2}));
        QCOMPARE(Coluna(d_.MembrosDoGrupo(g1), QStringLiteral("ID_Usuario")), Ids({ana, bia, ana}));
    }

    void retiraDoGrupoTodosOsUsuariosDoNome()
    {
        const int g = Grupo(QStringLiteral("G"));
        const int outro = Grupo(QStringLiteral("Outro"));
        const int ana1 = Usuario(QStringLiteral("O'Neil"));
        const int ana2 = Usuario(QStringLiteral("O'Neil"));
        const int bia = Usuario(QStringLiteral("Bia"));
        for (int u : {ana1, ana2, bia})
            QVERIFY(d_.InsereUsuarioNoGrupo(u, g));
        QVERIFY(d_.InsereUsuarioNoGrupo(ana1, outro));

        QVERIFY(d_.RetiraUsuariosDoGrupoPorNome(QStringLiteral("O'Neil"), g));
        QCOMPARE(Coluna(d_.MembrosDoGrupo(g), QStringLiteral("ID_Usuario")), Ids({bia}));
        QCOMPARE(Coluna(d_.MembrosDoGrupo(outro), QStringLiteral("ID_Usuario")), Ids({ana1}));
    }

    // The user's memberships become exactly these; his other data stay.
    bool Regrava(int idUsuario, const QList<int> &idsGrupos)
    {
        auto u = d_.UsuarioPorId(idUsuario);
        MudancaDeGrupos mudanca{idsGrupos, {}};
        for (const QString &g : Coluna(d_.GruposDoUsuario(idUsuario), QStringLiteral("ID_Grupo")))
            mudanca.sai.append(g.toInt());
        return u && !u->NoFim()
            && d_.AlteraUsuario(idUsuario, u->Campo(QStringLiteral("Descricao")).toString(),
                u->Campo(QStringLiteral("ID_Pager")).toString(),
                u->Campo(QStringLiteral("Nome_Usuario")).toString(), mudanca);
    }

    void regravaGruposDoUsuario_data()
    {
        QTest::addColumn<QList<int>>("antes");
        QTest::addColumn<QList<int>>("depois");
        QTest::newRow("troca") << QList<int>{1, 2} << QList<int>{3};
        QTest::newRow("acrescenta") << QList<int>{1} << QList<int>{1, 2, 3};
        QTest::newRow("esvazia") << QList<int>{1, 3} << QList<int>{};
        QTest::newRow("de nenhum") << QList<int>{} << QList<int>{2};
    }
    void regravaGruposDoUsuario()
    {
        QFETCH(QList<int>, antes);
        QFETCH(QList<int>, depois);
        for (const char *nome : {"A", "B", "C"})
            QVERIFY(Grupo(QString::fromLatin1(nome)) > 0);
        const int u = Usuario(QStringLiteral("U"));
        const int vizinho = Usuario(QStringLiteral("V"));
        QVERIFY(Regrava(u, antes));
        QVERIFY(Regrava(vizinho, {1}));
        QVERIFY(Regrava(u, depois));

        QStringList esperado;
        for (int g : depois)
            esperado << QString::number(g);
        QCOMPARE(Coluna(d_.GruposDoUsuario(u), QStringLiteral("ID_Grupo")), esperado);
        QCOMPARE(Coluna(d_.GruposDoUsuario(vizinho), QStringLiteral("ID_Grupo")), QStringList{"1"});
    }
};

QTEST_GUILESS_MAIN(TestDiretorioGrupos)
#include "tst_diretoriogrupos.moc"
