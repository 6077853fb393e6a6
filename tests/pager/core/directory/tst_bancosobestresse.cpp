// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using BancoDeTeste::Coluna;

// The database file under the troubles of a real desk, while the program runs: a full
// disk, another program holding the write lock for seconds, a file made read-only, a file
// taken away. Each gives its Portuguese message, nothing stored is lost, and once the cause
// is gone the next change works on the same connection.
class TestBancoSobEstresse : public QObject
{
    Q_OBJECT

    std::unique_ptr<BancoTemporario> banco_;
    int grupo_ = 0;

    std::optional<int> Insere(Diretorio &d, const QString &nome)
    {
        return d.InsereUsuario({}, nome, QDate(2026, 1, 1), nome, {grupo_});
    }
    int Usuarios()
    {
        return static_cast<int>(Coluna(Diretorio().ListaUsuarios(), "Nome_Usuario").size());
    }

private slots:
    void init()
    {
        banco_ = std::make_unique<BancoTemporario>();
        QVERIFY2(banco_->Aberto(), qPrintable(banco_->Erro()));
        grupo_ = Diretorio().InsereGrupo({}, QStringLiteral("G1")).value_or(-1);
        QVERIFY(grupo_ > 0);
    }
    void cleanup() { banco_.reset(); }

    // A small file system of its own where the machine lets the test mount one (the real
    // full disk); elsewhere a file-size limit, where writes past it fail with EFBIG.
    void discoCheio()
    {
        QTemporaryDir ponto;
        const bool montado
            = QProcess::execute(QStringLiteral("mount"),
                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                      QStringLiteral("size=256k"), QStringLiteral("tmpfs"), ponto.path()})
            == 0;
        rlimit antes{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &antes) == 0);
        if (montado) {
            QVERIFY(BancoDeTeste::CriaBancoVazio(ponto.path()));
            QVERIFY(AbreBancoDeDados(ponto.path(), QStringLiteral("Pager.Mdb")));
            grupo_ = Diretorio().InsereGrupo({}, QStringLiteral("G1")).value_or(-1);
        } else {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limite = antes;
            limite.rlim_cur = static_cast<rlim_t>(QFileInfo(banco_->Caminho()).size() + 64 * 1024);
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
        }
        Diretorio d;
        int gravados = 0;
        const QString longo(200, QLatin1Char('x'));
        while (gravados < 5000 && Insere(d, QString::number(gravados) + longo))
            ++gravados;
        const QString erro = d.Erro();
        const int guardados = Usuarios();
        // The cause goes away: the limit is lifted, or the file system grows.
        setrlimit(RLIMIT_FSIZE, &antes);
        if (montado)
            QProcess::execute(QStringLiteral("mount"),
                {QStringLiteral("-o"), QStringLiteral("remount,size=4m"), ponto.path()});
        const bool depois = Insere(d, QStringLiteral("depois")).has_value();
        const QString erroDepois = d.Erro();
        const int guardadosDepois = Usuarios();
        if (montado) {
            FechaBancoDeDados();
            QProcess::execute(QStringLiteral("umount"), {ponto.path()});
        }

        QVERIFY(gravados > 0 && gravados < 5000);
        if (montado)
            QCOMPARE(erro, QStringLiteral("Não foi possível gravar os dados: o disco está cheio."));
        // Whatever the engine calls it, the message is the program's own, in Portuguese.
        QVERIFY2(erro.startsWith(QStringLiteral("Não foi possível gravar os dados: "))
                && !erro.contains(QLatin1Char('(')),
            qPrintable(erro));
        QCOMPARE(guardados, gravados);
        QVERIFY2(depois, qPrintable(erroDepois));
        QCOMPARE(guardadosDepois, gravados + 1);
    }

    void outroProgramaSeguraOArquivoPorDezSegundos()
    {
        QProcess outro;
        outro.start(QStringLiteral("sqlite3"), {banco_->Caminho()});
        QVERIFY(outro.waitForStarted());
        outro.write("BEGIN IMMEDIATE;\nINSERT INTO Grupos (Nome_Grupo) VALUES ('G2');\n"
                    ".shell sleep 10\nCOMMIT;\n.quit\n");
        outro.closeWriteChannel();
        QTest::qWait(500);

        Diretorio d;
        QElapsedTimer relogio;
        relogio.start();
        QVERIFY(!Insere(d, QStringLiteral("Ana")));
        QVERIFY(relogio.elapsed() < 8000);
        QVERIFY2(
            d.Erro().contains(QStringLiteral("em uso por outro programa")), qPrintable(d.Erro()));
        // Reading goes on while the other program holds the lock.
        QCOMPARE(Coluna(d.ListaGrupos(), "Nome_Grupo"), QStringList{"G1"});

        QVERIFY(outro.waitForFinished(20000));
        QVERIFY2(Insere(d, QStringLiteral("Ana")), qPrintable(d.Erro()));
        QCOMPARE(Coluna(d.ListaGrupos(), "Nome_Grupo"), QStringList({"G1", "G2"}));
    }

    void arquivoSomenteLeituraEDepoisLiberado()
    {
        Diretorio d;
        QVERIFY(Insere(d, QStringLiteral("Ana")));
        QFile::setPermissions(banco_->Caminho(), QFileDevice::ReadOwner);
        if (QFileInfo(banco_->Caminho()).isWritable())
            QSKIP("o superusuário grava em qualquer arquivo");
        QVERIFY(!Insere(d, QStringLiteral("Bia")));
        QVERIFY(d.Erro().startsWith(QStringLiteral("Não foi possível gravar os dados: ")));
        QFile::setPermissions(banco_->Caminho(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY2(Insere(d, QStringLiteral("Bia")), qPrintable(d.Erro()));
        QCOMPARE(Usuarios(), 2);
    }

    void arquivoLevadoEDevolvido()
    {
        Diretorio d;
        QVERIFY(Insere(d, QStringLiteral("Ana")));
        const QString longe = banco_->Caminho() + QStringLiteral(".longe");
        QVERIFY(QFile::rename(banco_->Caminho(), longe));
        QVERIFY(!Insere(d, QStringLiteral("Bia")));
        QVERIFY(d.Erro().startsWith(QStringLiteral("Não foi possível gravar os dados: ")));
        QVERIFY(!QFile::exists(banco_->Caminho()));
        QVERIFY(QFile::rename(longe, banco_->Caminho()));
        QVERIFY2(Insere(d, QStringLiteral("Bia")), qPrintable(d.Erro()));
        QCOMPARE(Usuarios(), 2);
    }
};

QTEST_GUILESS_MAIN(TestBancoSobEstresse)
#include "tst_bancosobestresse.moc"
