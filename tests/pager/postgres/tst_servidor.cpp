// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoNoServidor.h"
#include "core/directory/BancoDeDados.h"

#include <QSqlQuery>
#include <QTest>

// Opening the directory on a server: every way it can fail says why, in Portuguese.
class TestServidor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { FechaBancoDeDados(); }

    void abreOServidorComAsTabelas()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        QString motivo;
        QVERIFY2(AbreServidor(banco.Conexao(), &motivo), qPrintable(motivo));
        QVERIFY(BancoDeDados().isOpen());
        QCOMPARE(BancoDeDados().driverName(), QStringLiteral("QPSQL"));
    }

    void recusaComOMotivo_data()
    {
        QTest::addColumn<QString>("qual");
        QTest::addColumn<QString>("inicio");
        QTest::newRow("servidor que não responde") << "semServidor"
                                                   << "o servidor de banco de dados não respondeu.";
        QTest::newRow("senha recusada") << "semSenha"
                                        << "o servidor recusou o usuário ou a senha.";
        QTest::newRow("banco inexistente") << "semBanco"
                                           << "o banco de dados indicado não existe no servidor.";
        QTest::newRow("sem as tabelas")
            << "semTabelas"
            << "o banco de dados do servidor não tem as tabelas do Tellumo";
        for (const char *senha :
            {" password=segredo", " postgres://ana:segredo@h/db", " x='seg;redo'"})
            QTest::newRow(senha) << QString::fromLatin1(senha) << "a indicação do servidor";
        QTest::newRow("indicação malformada")
            << "malformada"
            << "a indicação do servidor (\"Servidor\" da seção [BANCO]";
    }
    void recusaComOMotivo()
    {
        QFETCH(QString, qual);
        QFETCH(QString, inicio);
        BancoNoServidor banco(false);
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        const QString conexao = qual == QLatin1String("semServidor")
            ? QStringLiteral("host=/nao/existe port=5432 dbname=tellumo")
            : qual == QLatin1String("semSenha") ? banco.ConexaoSemSenha()
            : qual == QLatin1String("semBanco")
            ? BancoNoServidor::ConexaoDoCluster() + QStringLiteral(" dbname=nao_existe")
            : qual == QLatin1String("malformada") ? QStringLiteral("host segredo")
            : qual.startsWith(QLatin1Char(' '))
            ? (qual.contains(QLatin1String("://")) ? qual.trimmed() : banco.Conexao() + qual)
            : banco.Conexao();
        QString motivo;
        QVERIFY(!AbreServidor(conexao, &motivo));
        QVERIFY2(motivo.startsWith(inicio), qPrintable(motivo));
        QVERIFY2(!motivo.contains(QLatin1String("segredo")), qPrintable(motivo));
        QVERIFY(!BancoDeDados().isValid());
    }
};

QTEST_GUILESS_MAIN(TestServidor)
#include "tst_servidor.moc"
