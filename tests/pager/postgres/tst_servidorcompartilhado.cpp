// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoNoServidor.h"
#include "CaixaMensagemGravada.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/directory/GravacaoDeUsuario.h"
#include "core/directory/Servidor.h"
#include "core/directory/Transacao.h"

#include <QElapsedTimer>
#include <QTest>

using BancoDeTeste::Coluna;

// Several operators on one server: a restarted server, another operator's change in
// progress, and marks read before another operator changed them.
class TestServidorCompartilhado : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoNoServidor> banco_;
    const QString kOutro = QStringLiteral("outro");

private Q_SLOTS:
    void init()
    {
        banco_ = std::make_unique<BancoNoServidor>();
        QVERIFY2(banco_->Criado(), qPrintable(banco_->Erro()));
        QString motivo;
        QVERIFY2(AbreServidor(banco_->Conexao(), &motivo), qPrintable(motivo));
        QVERIFY(Servidor::Abre(banco_->Conexao(), kOutro, &motivo).isOpen());
    }
    void cleanup()
    {
        FechaBancoDeDados();
        BancoDeTeste::FechaConexao(kOutro);
        banco_.reset();
    }

    void aposReiniciarAProximaAcaoFunciona_data()
    {
        QTest::addColumn<int>("acao");
        QTest::newRow("leitura") << 0;
        QTest::newRow("alteração") << 1;
        QTest::newRow("linha do histórico") << 2;
    }
    void aposReiniciarAProximaAcaoFunciona()
    {
        QFETCH(int, acao);
        Diretorio d;
        QVERIFY(d.InsereGrupo({}, QStringLiteral("G")));
        QVERIFY(banco_->DerrubaConexoes());
        const bool ok = acao == 0 ? Coluna(d.ListaGrupos(), "Nome_Grupo") == QStringList{"G"}
            : acao == 1           ? d.InsereGrupo({}, QStringLiteral("H")).has_value()
                                  : d.GravaLog(QDateTime::currentDateTime(), "Ana", "oi", "1", 1);
        QVERIFY2(ok, qPrintable(d.Erro()));
        QCOMPARE(BancoDeTeste::Valor(BancoDeDados(), "SELECT COUNT(*) FROM Grupos").toInt()
                + BancoDeTeste::Valor(BancoDeDados(), "SELECT COUNT(*) FROM Log").toInt(),
            acao == 0 ? 1 : 2);
    }

    void mudancaDeOutroOperadorRecusaEmPoucosSegundos()
    {
        Transacao outro(QSqlDatabase::database(kOutro, false));
        QVERIFY(outro.Iniciada());
        Diretorio d;
        QElapsedTimer relogio;
        relogio.start();
        QVERIFY(!d.InsereGrupo({}, QStringLiteral("G")));
        QVERIFY(relogio.elapsed() < 6000);
        QCOMPARE(d.Erro(),
            QStringLiteral("Não foi possível gravar os dados: os dados estão em uso por outro "
                           "operador. Tente novamente em alguns instantes."));
    }

    // The dialog read "member of A"; meanwhile another operator put him in B; this operator
    // unmarks A and marks C.
    void marcasAntigasMantemOGrupoDoOutroOperador()
    {
        Diretorio d;
        const int a = d.InsereGrupo({}, QStringLiteral("A")).value_or(-1);
        const int b = d.InsereGrupo({}, QStringLiteral("B")).value_or(-1);
        const int c = d.InsereGrupo({}, QStringLiteral("C")).value_or(-1);
        const auto u = d.InsereUsuario({}, QStringLiteral("1"), QDate(2026, 1, 1), "Ana", {a});
        QVERIFY(u);
        QVERIFY(Diretorio(kOutro).InsereUsuarioNoGrupo(*u, b));
        FichaDeUsuario ficha{*u, QStringLiteral("Ana"), QStringLiteral("1"), {}, {{c}}, {a}};
        CaixaMensagemGravada caixa;
        QVERIFY(GravaUsuario(d, caixa, ficha));
        QStringList grupos = Coluna(d.GruposDoUsuario(*u), QStringLiteral("ID_Grupo"));
        grupos.sort();
        QCOMPARE(grupos, QStringList({QString::number(b), QString::number(c)}));
    }
};

QTEST_GUILESS_MAIN(TestServidorCompartilhado)
#include "tst_servidorcompartilhado.moc"
