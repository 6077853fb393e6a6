// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "core/directory/BancoDeDados.h"

#include <QFileInfo>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// The empty "Pager.Mdb" the build makes: the program opens it, and it has the tables and
// columns every window reads; the test suites' files are made the same way.
class TestEsquema : public QObject
{
    Q_OBJECT

    QTemporaryDir pasta_;

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(TELLUMO_BANCO_DA_BUILD)));
        // A copy: the build's file may already hold someone's directory.
        QVERIFY(QFile::copy(
            QStringLiteral(TELLUMO_BANCO_DA_BUILD), pasta_.filePath(QStringLiteral("Pager.Mdb"))));
        QVERIFY(AbreBancoDeDados(pasta_.path(), QStringLiteral("Pager.Mdb")));
    }
    void cleanupTestCase() { FechaBancoDeDados(); }

    void colunas_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QStringList>("colunas");
        QTest::newRow("Usuarios") << "Usuarios"
                                  << QStringList{"ID_Usuario", "Nome_Usuario", "ID_Pager",
                                         "Descricao", "Data_Cadastro"};
        QTest::newRow("Grupos") << "Grupos"
                                << QStringList{"ID_Grupo", "Nome_Grupo", "Descricao_Grupo"};
        QTest::newRow("Usuario_Grupo") << "Usuario_Grupo" << QStringList{"ID_Usuario", "ID_Grupo"};
        QTest::newRow("Log") << "Log"
                             << QStringList{"Data", "Hora", "Usuario", "Mensagem", "ID_Pager",
                                    "ID_Usuario"};
    }
    void colunas()
    {
        QFETCH(QString, tabela);
        QFETCH(QStringList, colunas);
        const QSqlRecord registro = BancoDeDados().record(tabela);
        QStringList encontradas;
        for (int i = 0; i < registro.count(); ++i)
            encontradas << registro.fieldName(i);
        QCOMPARE(encontradas, colunas);
    }

    void esquemaDosTestesIgualAoDaBuild()
    {
        QTemporaryDir outra;
        QVERIFY(BancoDeTeste::CriaBancoVazio(outra.path()));
        const QString sql = QStringLiteral("SELECT group_concat(sql, ';') FROM "
                                           "(SELECT sql FROM sqlite_master ORDER BY name)");
        QSqlDatabase db = BancoDeTeste::AbreConexao(outra.filePath("Pager.Mdb"), "outra");
        const QString doTeste = BancoDeTeste::Valor(db, sql).toString();
        QVERIFY(!doTeste.isEmpty());
        QCOMPARE(doTeste, BancoDeTeste::Valor(BancoDeDados(), sql).toString());
        QCOMPARE(BancoDeTeste::Valor(db, "PRAGMA journal_mode").toString(),
            BancoDeTeste::Valor(BancoDeDados(), "PRAGMA journal_mode").toString());
        db = QSqlDatabase();
        BancoDeTeste::FechaConexao("outra");
    }
};

QTEST_GUILESS_MAIN(TestEsquema)
#include "tst_esquema.moc"
