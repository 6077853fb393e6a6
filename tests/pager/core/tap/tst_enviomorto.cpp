// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "BancoDeTeste.h"
#include "ProcessoSimulador.h"
#include "core/directory/BancoDeDados.h"
#include "core/line/LinhaSerialPosix.h"
#include "core/line/RelogioReal.h"
#include "core/tap/Transmissao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Tellumo killed (SIGKILL) at any instant of a group send: what the Log holds afterwards
// must agree with what the paging service accepted, the database must be whole, and the
// program must start again on the same files and port. "Tellumo" is this executable
// started again in the role of the sending program: Tellumo's own line, clock, settings
// and database on the files of one folder.
namespace {

const char *const kPastaDoEnvio = "TELLUMO_TESTE_ENVIO_PASTA";
const char *const kGrupoDoEnvio = "TELLUMO_TESTE_ENVIO_GRUPO";
constexpr int kMembros = 10;
constexpr int kRodadas = 30;

// The sending program. Without a group it only starts: opens the database and the port.
int comoTellumo(const QString &pasta, int grupo)
{
    if (!AbreBancoDeDados(pasta, QStringLiteral("Pager.Mdb")))
        return 3;
    ArquivoIni ini(pasta, QStringLiteral("Tellumo.INI"));
    RelogioReal relogio;
    LinhaSerialPosix linha;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    VisorGravado visor;
    Modulo modulo{ini, linha, relogio, caixa, status};
    modulo.DefineNumeroPorta(1);
    if (!modulo.ConfiguraModem())
        return 4;
    Diretorio diretorio;
    if (grupo <= 0)
        return BancoDeTeste::ListaLog() ? 0 : 5;
    Transmissao t(modulo, diretorio, visor,
        PedidoEnvio{PedidoEnvio::Modo::Grupo, grupo, QStringLiteral("Plantão às 15h")});
    return t.IniciaProcesso() ? 0 : 6;
}

// One folder with a fresh Pager.Mdb holding ten users in one group, and settings that
// point at a simulator of its own.
struct Rodada
{
    QTemporaryDir pasta;
    ProcessoSimulador simulador;
    int grupo = -1;

    bool prepara()
    {
        QString erro;
        if (!BancoDeTeste::CriaBancoVazio(pasta.path(), QStringLiteral("Pager.Mdb"), &erro)
            || !AbreBancoDeDados(pasta.path(), QStringLiteral("Pager.Mdb")))
            return false;
        {
            Diretorio d;
            grupo = d.InsereGrupo(QStringLiteral("Plantão"), QStringLiteral("P")).value_or(-1);
            for (int i = 1; i <= kMembros; ++i) {
                const std::optional<int> id
                    = d.InsereUsuario(QStringLiteral("Teste"), QString::number(1000 + i),
                        QDate(2026, 12, 1), QStringLiteral("Membro %1").arg(i));
                if (!id || !d.InsereUsuarioNoGrupo(*id, grupo))
                    grupo = -1;
            }
        }
        FechaBancoDeDados();
        if (grupo < 0
            || !simulador.inicia({QStringLiteral("--tempo-discagem"), QStringLiteral("100"),
                QStringLiteral("--guarda"), QStringLiteral("200")}))
            return false;
        ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        return ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
    }

    void inicia(QProcess &processo, int grupoEnviado) const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(kPastaDoEnvio), pasta.path());
        ambiente.insert(QString::fromLatin1(kGrupoDoEnvio), QString::number(grupoEnviado));
        processo.setProcessEnvironment(ambiente);
        processo.setProcessChannelMode(QProcess::ForwardedChannels);
        processo.start(QCoreApplication::applicationFilePath(), {});
    }

    // The codes of the pages the service accepted.
    QStringList aceitas() const
    {
        QStringList codigos;
        for (const QJsonObject &r : simulador.registros(QStringLiteral("pagina")))
            codigos.append(r.value(QStringLiteral("codigo")).toString());
        return codigos;
    }

    // The pager codes of the Log rows, and the database's own integrity verdict.
    QStringList log(QString *integridade) const
    {
        QStringList codigos;
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("exame"));
            db.setDatabaseName(QDir(pasta.path()).filePath(QStringLiteral("Pager.Mdb")));
            if (db.open()) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("SELECT ID_Pager FROM Log"));
                while (q.next())
                    codigos.append(q.value(0).toString().trimmed());
                q.exec(QStringLiteral("PRAGMA integrity_check"));
                *integridade = q.next() ? q.value(0).toString() : QStringLiteral("sem resposta");
            } else {
                *integridade = db.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("exame"));
        return codigos;
    }
};

} // namespace

class TestEnvioMorto : public QObject
{
    Q_OBJECT

    // Length of a whole send up to the log-off, from a run left alone.
    qint64 duracaoMs = 0;

private Q_SLOTS:
    void envioInteiro()
    {
        Rodada r;
        QVERIFY2(r.prepara(), qPrintable(r.simulador.erro()));
        QProcess tellumo;
        QElapsedTimer relogio;
        relogio.start();
        r.inicia(tellumo, r.grupo);
        while (!tellumo.waitForFinished(50) && relogio.elapsed() < 60000) {
            if (duracaoMs == 0 && !r.simulador.registros(QStringLiteral("logoff")).isEmpty())
                duracaoMs = relogio.elapsed();
        }
        QCOMPARE(tellumo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tellumo.exitCode(), 0);
        QString integridade;
        QCOMPARE(r.log(&integridade).size(), kMembros);
        QCOMPARE(r.aceitas().size(), kMembros);
        QVERIFY(duracaoMs > 0);
    }

    void mortoEmQualquerInstante()
    {
        QVERIFY(duracaoMs > 0);
        for (int i = 0; i < kRodadas; ++i) {
            Rodada r;
            QVERIFY2(r.prepara(), qPrintable(r.simulador.erro()));
            // One instant in each thirtieth of the send, so that every stage is hit.
            const qint64 instante
                = (i * duracaoMs + QRandomGenerator::global()->bounded(duracaoMs)) / kRodadas;
            QProcess tellumo;
            r.inicia(tellumo, r.grupo);
            QTest::qWait(static_cast<int>(instante));
            tellumo.kill();
            QVERIFY(tellumo.waitForFinished(5000));
            // A block written just before the kill is still judged by the service.
            QTest::qWait(300);

            const QString rotulo = QStringLiteral("morto aos %1 ms").arg(instante);
            QString integridade;
            const QStringList log = r.log(&integridade);
            const QStringList aceitas = r.aceitas();
            QVERIFY2(integridade == QStringLiteral("ok"), qPrintable(rotulo + u' ' + integridade));
            for (const QString &codigo : log)
                QVERIFY2(aceitas.contains(codigo), qPrintable(rotulo + u' ' + codigo));
            QVERIFY2(log.size() <= aceitas.size() && aceitas.size() - log.size() <= 1,
                qPrintable(rotulo + u' ' + aceitas.join(u',') + u'/' + log.join(u',')));

            // The port is free again, and the program starts on the same files.
            QProcess deNovo;
            r.inicia(deNovo, 0);
            QVERIFY(deNovo.waitForFinished(10000));
            QVERIFY2(deNovo.exitCode() == 0, qPrintable(rotulo));
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString pasta = qEnvironmentVariable(kPastaDoEnvio);
    if (!pasta.isEmpty())
        return comoTellumo(pasta, qEnvironmentVariableIntValue(kGrupoDoEnvio));
    TestEnvioMorto teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_enviomorto.moc"
