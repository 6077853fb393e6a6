// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/Diretorio.h"
#include "core/directory/Transacao.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

using BancoDeTeste::Coluna;

namespace {
const QString kProtegido
    = QStringLiteral("Não foi possível gravar os dados: o arquivo de dados está protegido contra "
                     "gravação.");
}

// What the windows get when the directory fails after start-up: a Portuguese text, the
// data as it was, and no crash; and two operators sharing one file.
class TestDiretorioFalhas : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;
    int ana_ = 0, g1_ = 0, g2_ = 0;

    // The engine refuses one statement, as a full disk or a damaged page would.
    static void Recusa(const char *gatilho)
    {
        QSqlQuery q(BancoDeDados());
        QVERIFY2(q.exec(QString::fromLatin1(gatilho)), qPrintable(q.lastError().text()));
    }
    QStringList GruposDaAna() { return Coluna(Diretorio().GruposDoUsuario(ana_), "ID_Grupo"); }
    QStringList Nomes() { return Coluna(Diretorio().ListaUsuarios(), "Nome_Usuario"); }

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        Diretorio d;
        g1_ = d.InsereGrupo({}, QStringLiteral("G1")).value_or(-1);
        g2_ = d.InsereGrupo({}, QStringLiteral("G2")).value_or(-1);
        ana_ = d.InsereUsuario(
                    {}, QStringLiteral("1"), QDate(2026, 1, 1), QStringLiteral("Ana"), {g1_, g2_})
                   .value_or(-1);
        QVERIFY(ana_ > 0);
    }
    void cleanup() { banco_.reset(); }

    void regravacaoQueFalhaNoMeioNaoMudaNada()
    {
        if (BancoTemporario::NoServidor())
            QSKIP("gatilhos na sintaxe do SQLite: só no arquivo de dados");
        Recusa("CREATE TRIGGER t BEFORE INSERT ON Usuario_Grupo WHEN NEW.ID_Grupo = 999 "
               "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        Recusa("INSERT INTO Grupos (ID_Grupo, Nome_Grupo) VALUES (999, 'G999')");
        const QStringList antes = GruposDaAna();
        Diretorio d;
        QVERIFY(!d.AlteraUsuario(
            ana_, {}, QStringLiteral("1"), QStringLiteral("Ana"), MudancaDeGrupos{{g1_, 999}, {}}));
        QVERIFY(d.Erro().startsWith(QStringLiteral("Não foi possível gravar os dados: ")));
        QCOMPARE(GruposDaAna(), antes);

        QVERIFY(!d.AlteraUsuario(ana_, {}, QStringLiteral("2"), QStringLiteral("Ana Maria"),
            MudancaDeGrupos{{999}, {}}));
        QCOMPARE(Nomes(), QStringList{"Ana"});
        QCOMPARE(GruposDaAna(), antes);

        QVERIFY(!d.InsereUsuario(
            {}, QStringLiteral("3"), QDate(2026, 1, 1), QStringLiteral("Bia"), {g1_, 999}));
        QCOMPARE(Nomes(), QStringList{"Ana"});
        QCOMPARE(d.MembrosDoGrupo(g1_)->NumeroDeRegistros(), 1);
    }

    void exclusoesQueFalhamNaoMudamNada()
    {
        if (BancoTemporario::NoServidor())
            QSKIP("gatilhos na sintaxe do SQLite: só no arquivo de dados");
        Recusa("CREATE TRIGGER t BEFORE DELETE ON Usuario_Grupo "
               "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        Recusa("CREATE TRIGGER t2 BEFORE DELETE ON Grupos "
               "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        Diretorio d;
        QVERIFY(!d.ExcluiUsuario(ana_));
        QVERIFY(!d.Erro().isEmpty());
        QCOMPARE(Nomes(), QStringList{"Ana"});
        QCOMPARE(GruposDaAna().size(), 2);

        QSqlQuery(BancoDeDados()).exec(QStringLiteral("DROP TRIGGER t"));
        QVERIFY(!d.ExcluiGrupo(QStringLiteral("G1")));
        QCOMPARE(Coluna(d.ListaGrupos(), "Nome_Grupo"), QStringList({"G1", "G2"}));
        QCOMPARE(GruposDaAna().size(), 2);
    }

    void arquivoSomenteLeituraAindaListaMasNaoGrava()
    {
        if (BancoTemporario::NoServidor())
            QSKIP("permissões do arquivo: só no arquivo de dados");
        QFile::setPermissions(banco_->Caminho(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        FechaBancoDeDados();
        // The superuser writes into any file, so there the engine is told the file is
        // read-only: the refusal the windows get is the same.
        const bool superusuario = QFileInfo(banco_->Caminho()).isWritable();
        QSqlDatabase db = superusuario
            ? BancoDeTeste::AbreConexao(banco_->Caminho(), QStringLiteral("leitura"), 5000, true)
            : (AbreBancoDeDados(banco_->Pasta(), "Pager.Mdb"), BancoDeDados());
        QVERIFY(db.isOpen());
        {
            Diretorio d(db.connectionName());
            QCOMPARE(Coluna(d.ListaUsuarios(), "Nome_Usuario"), QStringList{"Ana"});
            QVERIFY(!d.InsereUsuario({}, "2", QDate(2026, 1, 1), "Bia", {g1_}));
            QCOMPARE(d.Erro(), kProtegido);
            QVERIFY(!d.GravaLog(QDateTime::currentDateTime(), "Ana", "m", "1", ana_));
            QCOMPARE(d.Erro(), kProtegido);
            QVERIFY(!d.ExcluiGrupo(QStringLiteral("G1")));
            QCOMPARE(d.Erro(), kProtegido);
            QCOMPARE(Coluna(d.ListaGrupos(), "Nome_Grupo"), QStringList({"G1", "G2"}));
            QCOMPARE(Coluna(d.ListaUsuarios(), "Nome_Usuario"), QStringList{"Ana"});
        }
        db = QSqlDatabase();
        BancoDeTeste::FechaConexao(QStringLiteral("leitura"));
    }

    void arquivoQueSumiuDaErroENaoEhRecriado()
    {
        if (BancoTemporario::NoServidor())
            QSKIP("o arquivo apagado: só no arquivo de dados");
        QVERIFY(QFile::remove(banco_->Caminho()));
        Diretorio d;
        QVERIFY(!d.ListaUsuarios());
        QVERIFY(d.Erro().startsWith(QStringLiteral("Não foi possível ler os dados: o arquivo de "
                                                   "dados \"Pager.Mdb\" não foi encontrado")));
        QVERIFY(!d.GravaLog(QDateTime::currentDateTime(), "Ana", "m", "1", ana_));
        QVERIFY(d.Erro().startsWith(QStringLiteral("Não foi possível gravar os dados: ")));
        QVERIFY(!d.ExcluiUsuario(ana_));
        QVERIFY(!d.InsereGrupo({}, QStringLiteral("G3")));
        QVERIFY(!QFile::exists(banco_->Caminho()));
    }

    void bancoFechadoDaErroEReabertoVolta()
    {
        if (BancoTemporario::NoServidor())
            QSKIP("reabre o arquivo: só no arquivo de dados");
        // A window's Diretorio outlives a close and a reopening of the connection.
        Diretorio d;
        FechaBancoDeDados();
        QVERIFY(!d.ChavesDoLog({}));
        QCOMPARE(d.Erro(),
            QStringLiteral("Não foi possível ler os dados: o banco de dados não está aberto."));
        QVERIFY(!d.ExcluiUsuario(ana_));
        QVERIFY(AbreBancoDeDados(banco_->Pasta(), QStringLiteral("Pager.Mdb")));
        QCOMPARE(Coluna(d.ListaUsuarios(), "Nome_Usuario"), QStringList{"Ana"});
        QVERIFY(d.Erro().isEmpty());
    }

    void outroProgramaSegurandoOArquivo()
    {
        // Another operator's Tellumo is in the middle of a change; this one waits only briefly.
        QSqlDatabase outro = banco_->AbreOutraConexao(QStringLiteral("outro"));
        QSqlDatabase apressado = banco_->AbreOutraConexao(QStringLiteral("apressado"), 100);
        auto mudanca = std::make_unique<Transacao>(outro);
        QVERIFY(mudanca->Iniciada());
        QVERIFY(QSqlQuery(outro).exec("INSERT INTO Grupos (Nome_Grupo) VALUES ('G3')"));
        {
            Diretorio d(QStringLiteral("apressado"));
            QCOMPARE(Coluna(d.ListaUsuarios(), "Nome_Usuario"), QStringList{"Ana"});
            QElapsedTimer relogio;
            relogio.start();
            QVERIFY(!d.ExcluiUsuario(ana_));
            QVERIFY(relogio.elapsed() < 3000);
            QCOMPARE(d.Erro(),
                BancoTemporario::NoServidor()
                    ? QStringLiteral("Não foi possível gravar os dados: os dados estão em uso por "
                                     "outro operador. Tente novamente em alguns instantes.")
                    : QStringLiteral("Não foi possível gravar os dados: o arquivo de "
                                     "dados está em uso por outro programa. Tente "
                                     "novamente em alguns instantes."));
            QVERIFY(mudanca->Confirma());
            mudanca.reset();
            QVERIFY2(d.ExcluiUsuario(ana_), qPrintable(d.Erro()));
            QCOMPARE(Coluna(d.ListaGrupos(), "Nome_Grupo"), QStringList({"G1", "G2", "G3"}));
        }
        outro = apressado = QSqlDatabase();
        BancoDeTeste::FechaConexao("outro");
        BancoDeTeste::FechaConexao("apressado");
    }

    void doisOperadoresNaoCadastramOMesmoCodigoNemONome()
    {
        constexpr int kNomes = 30;
        std::atomic<int> gravados{0};
        std::atomic<int> falhas{0};
        auto operador = [&](int n) {
            const QString conexao = QStringLiteral("operador%1").arg(n);
            {
                QSqlDatabase db = banco_->AbreOutraConexao(conexao);
                Diretorio d(db.connectionName());
                const auto conta = [&](bool gravou) {
                    if (gravou)
                        ++gravados;
                    else if (d.Motivo() != Diretorio::Recusa::Repetido)
                        ++falhas;
                };
                for (int i = 0; i < kNomes; ++i) {
                    // The other operator types the same names in capitals.
                    QString nome = QStringLiteral("n%1").arg(i);
                    if (n == 2)
                        nome = nome.toUpper();
                    conta(d.InsereGrupo({}, nome).has_value());
                    conta(d.InsereUsuario({}, nome, QDate(2026, 1, 1), nome).has_value());
                }
            }
            BancoDeTeste::FechaConexao(conexao);
        };
        std::thread primeiro(operador, 1);
        std::thread segundo(operador, 2);
        primeiro.join();
        segundo.join();

        QCOMPARE(falhas.load(), 0);
        QCOMPARE(gravados.load(), 2 * kNomes);
        Diretorio d;
        QCOMPARE(d.ListaGrupos()->NumeroDeRegistros(), kNomes + 2);
        QCOMPARE(d.ListaUsuarios()->NumeroDeRegistros(), kNomes + 1);
    }

    void outroOperadorRemoveuOQueEsteAltera()
    {
        int bia = 0;
        {
            QSqlDatabase db = banco_->AbreOutraConexao(QStringLiteral("outro"));
            Diretorio outro(db.connectionName());
            bia = outro.InsereUsuario({}, "2", QDate(2026, 1, 1), "Bia").value_or(-1);
            QVERIFY(outro.ExcluiUsuario(ana_));
            QVERIFY(outro.ExcluiGrupo(QStringLiteral("G2")));
        }
        BancoDeTeste::FechaConexao(QStringLiteral("outro"));
        const QString usuario = QStringLiteral("Este usuário não está mais no cadastro.");
        const QString grupo = QStringLiteral("Este grupo não está mais no cadastro.");
        Diretorio d;
        const auto removido = [&d](bool ok, const QString &texto) {
            QVERIFY(!ok);
            QCOMPARE(d.Motivo(), Diretorio::Recusa::Removido);
            QCOMPARE(d.Erro(), texto);
        };
        removido(d.AlteraUsuario(ana_, {}, "1", "Ana", MudancaDeGrupos{{g1_}, {}}), usuario);
        removido(d.ExcluiUsuario(ana_), usuario);
        removido(d.InsereUsuarioNoGrupo(ana_, g1_), usuario);
        removido(d.AlteraGrupo(g2_, {}, "G9"), grupo);
        removido(d.ExcluiGrupo(QStringLiteral("G2")), grupo);
        removido(d.InsereUsuarioNoGrupo(bia, g2_), grupo);
        removido(d.RetiraUsuariosDoGrupoPorNome("Bia", g2_), grupo);

        // Marks of a group that is gone store no membership pointing to nothing.
        QVERIFY(d.AlteraUsuario(bia, {}, "2", "Bia", MudancaDeGrupos{{g1_, g2_}, {}}));
        const auto caio = d.InsereUsuario({}, "3", QDate(2026, 1, 1), "Caio", {g2_, g1_});
        QVERIFY(caio);
        QCOMPARE(Coluna(d.MembrosDoGrupo(g1_), "ID_Usuario"),
            QStringList({QString::number(bia), QString::number(*caio)}));
        QCOMPARE(BancoDeTeste::Valor(BancoDeDados(),
                     "SELECT COUNT(*) FROM Usuario_Grupo WHERE ID_Grupo NOT IN (SELECT ID_Grupo "
                     "FROM Grupos) OR ID_Usuario NOT IN (SELECT ID_Usuario FROM Usuarios)")
                     .toInt(),
            0);
    }

    void duasConexoesGravandoAoMesmoTempo()
    {
        constexpr int kPorOperador = 40;
        std::atomic<int> falhas{0};
        auto operador = [&](int n) {
            const QString conexao = QStringLiteral("operador%1").arg(n);
            {
                QSqlDatabase db = banco_->AbreOutraConexao(conexao);
                Diretorio d(db.connectionName());
                for (int i = 0; i < kPorOperador; ++i) {
                    const QString nome = QStringLiteral("op%1-%2").arg(n).arg(i);
                    const auto id = d.InsereUsuario({}, nome, QDate(2026, 1, 1), nome, {g1_});
                    if (!id || !d.GravaLog(QDateTime::currentDateTime(), nome, "m", nome, *id))
                        ++falhas;
                }
            }
            BancoDeTeste::FechaConexao(conexao);
        };
        std::thread primeiro(operador, 1);
        std::thread segundo(operador, 2);
        primeiro.join();
        segundo.join();

        QCOMPARE(falhas.load(), 0);
        Diretorio d;
        QCOMPARE(d.ListaUsuarios()->NumeroDeRegistros(), 2 * kPorOperador + 1);
        QCOMPARE(d.MembrosDoGrupo(g1_)->NumeroDeRegistros(), 2 * kPorOperador + 1);
        QCOMPARE(BancoDeTeste::ListaLog()->NumeroDeRegistros(), 2 * kPorOperador);
        if (!BancoTemporario::NoServidor())
            QCOMPARE(BancoDeTeste::Valor(BancoDeDados(), "PRAGMA integrity_check").toString(),
                QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(TestDiretorioFalhas)
#include "tst_diretoriofalhas.moc"
