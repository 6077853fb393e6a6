#include "CaixaMensagemGravada.h"
#include "ProcessoSimulador.h"
#include "app/frmPrincipal.h"
#include "engine/Interpretacao.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file under a folder with its size and time: what a run must leave as it was.
QStringList retrato(const QString &pasta)
{
    QStringList linhas;
    QDirIterator it(pasta, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        linhas << QStringLiteral("%1 %2 %3")
                      .arg(f.filePath())
                      .arg(f.size())
                      .arg(f.lastModified().toMSecsSinceEpoch());
    }
    linhas.sort();
    return linhas;
}

// The value of one key of a menu entry.
QString valorDe(const QString &arquivo, const QByteArray &chave)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    while (!f.atEnd()) {
        const QByteArray linha = f.readLine().trimmed();
        if (linha.startsWith(chave))
            return QString::fromUtf8(linha.mid(chave.size()));
    }
    return {};
}

bool aguarda(const std::function<bool()> &condicao, int ms)
{
    const QDeadlineTimer prazo(ms);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace

// `cmake --install` into a temporary prefix, then the installed programs run from there for a
// user whose home and XDG folders are temporary too.
class TesteInstalacao : public QObject
{
    Q_OBJECT

    QTemporaryDir raiz;
    QString prefixo; // where the programs were installed (under DESTDIR)
    QStringList retratoInicial;

    QString emRaiz(const QString &relativo) const { return raiz.filePath(relativo); }
    QString instalado(const QString &relativo) const
    {
        return prefixo + QLatin1Char('/') + relativo;
    }

    QProcessEnvironment ambienteDoUsuario() const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("HOME"), emRaiz(QStringLiteral("casa")));
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), emRaiz(QStringLiteral("dados")));
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), emRaiz(QStringLiteral("config")));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return ambiente;
    }

    static void encerra(QProcess &programa)
    {
        programa.terminate();
        if (!programa.waitForFinished(5000))
            programa.kill();
        programa.waitForFinished(5000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(raiz.isValid());
        // Any prefix: the programs find their data from their own folder.
        prefixo = emRaiz(QStringLiteral("destino/opt/quorvane"));
        QProcess cmake;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("DESTDIR"), emRaiz(QStringLiteral("destino")));
        cmake.setProcessEnvironment(ambiente);
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(CMAKE_COMANDO),
            {QStringLiteral("--install"), QStringLiteral(PASTA_OBRA), QStringLiteral("--prefix"),
                QStringLiteral("/opt/quorvane")});
        QVERIFY(cmake.waitForFinished(120000));
        QVERIFY2(cmake.exitCode() == 0, cmake.readAll().constData());
        for (const char *pasta : {"casa", "dados", "config"})
            QVERIFY(QDir().mkpath(emRaiz(QString::fromLatin1(pasta))));
        qputenv("HOME", QFile::encodeName(emRaiz(QStringLiteral("casa"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(emRaiz(QStringLiteral("dados"))));
        retratoInicial = retrato(prefixo);
    }

    void entradasDoMenuValidasComIconeInstalado()
    {
        const QDir aplicacoes(instalado(QStringLiteral("share/applications")));
        const QStringList entradas = aplicacoes.entryList({QStringLiteral("*.desktop")});
        QCOMPARE(entradas.size(), 3);
        for (const QString &entrada : entradas) {
            QProcess valida;
            valida.setProcessChannelMode(QProcess::MergedChannels);
            valida.start(QStringLiteral("desktop-file-validate"), {aplicacoes.filePath(entrada)});
            QVERIFY(valida.waitForFinished(30000));
            const QByteArray saida = valida.readAll();
            QVERIFY2(valida.exitCode() == 0 && saida.isEmpty(), saida.constData());

            const QString programa = valorDe(aplicacoes.filePath(entrada), "Exec=");
            const QString icone = valorDe(aplicacoes.filePath(entrada), "Icon=");
            QVERIFY2(QFileInfo(instalado(QStringLiteral("bin/") + programa)).isExecutable(),
                qPrintable(entrada));
            for (int lado : {16, 48, 256}) {
                const QImage figura(instalado(
                    QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(lado).arg(icone)));
                QVERIFY2(figura.size() == QSize(lado, lado), qPrintable(entrada));
            }
        }
    }

    void tellumoCriaODiretorioDoUsuarioEIniciaOModem()
    {
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia(), qPrintable(simulador.erro()));
        QFile ini(emRaiz(QStringLiteral("config/Tellumo.INI")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(
            "[MODEM]\r\nPorta Serial=1\r\nCOM1=" + QFile::encodeName(simulador.pty()) + "\r\n");
        ini.close();

        QProcess tellumo;
        tellumo.setProcessEnvironment(ambienteDoUsuario());
        tellumo.start(instalado(QStringLiteral("bin/tellumo")), {});
        const bool iniciou = aguarda(
            [&] {
                for (const QJsonObject &r : simulador.registros(QStringLiteral("comando"))) {
                    if (r.value(QStringLiteral("linha")).toString().toUpper()
                        == QLatin1String("ATE0"))
                        return true;
                }
                return tellumo.state() == QProcess::NotRunning;
            },
            30000);
        const bool rodando = tellumo.state() == QProcess::Running;
        encerra(tellumo);
        QVERIFY2(iniciou && rodando, tellumo.readAllStandardError().constData());

        // The user's own directory, empty and complete, in the user's data folder.
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("usuario"));
            db.setDatabaseName(emRaiz(QStringLiteral("dados/tellumo/Pager.Mdb")));
            QVERIFY(db.open());
            QSqlQuery q(QStringLiteral(
                            "Select (Select count(*) From Usuarios) + (Select count(*) From Log)"),
                db);
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 0);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("usuario"));
    }

    void vistralGravaSeusArquivosNaPastaDoUsuario()
    {
        // Its first start writes "Vistral.Dat" and then waits for the first-run question,
        // which nobody answers here.
        const QString arquivoWord = emRaiz(QStringLiteral("dados/vistral/Vistral.Dat"));
        QProcess vistral;
        vistral.setProcessEnvironment(ambienteDoUsuario());
        vistral.start(instalado(QStringLiteral("bin/vistral")), {});
        const bool gravou = aguarda([&] { return QFileInfo::exists(arquivoWord); }, 30000);
        const bool rodando = vistral.state() == QProcess::Running;
        encerra(vistral);
        QVERIFY2(gravou && rodando, vistral.readAllStandardError().constData());
    }

    void analiseCompletaLeAsInterpretacoesInstaladas()
    {
        // The window with the folders the installed executable gets, the question answered.
        const PastasVistral pastas = PastasVistral::doExecutavel(instalado(QStringLiteral("bin")));
        QCOMPARE(pastas.dados, instalado(QStringLiteral("share/quorvane/vistral")));
        CaixaMensagemGravada caixa;
        caixa.responde({CaixaMensagem::Resposta::Nao});
        frmPrincipal janela(pastas, &caixa, [] { return QDate(2026, 12, 8); });
        janela.MDIForm_Load();
        janela.NomeAnalisado = QStringLiteral("Ana Souza");
        janela.DataNascimento = QStringLiteral("25/12/1970");
        janela.CriaRelatorio();

        QVERIFY(janela.documentoAtivo());
        const QString vida = Variaveis_Globais::LeInterpretacao(
            janela.CaminhoDaVida, QStringLiteral("CVIDA.DAT"), pastas.dados);
        QVERIFY(!vida.trimmed().isEmpty());
        QVERIFY(janela.documentoAtivo()->texto.simplified().contains(vida.simplified().left(60)));
        QStringList gravados = QDir(emRaiz(QStringLiteral("dados/vistral"))).entryList(QDir::Files);
        gravados.sort();
        QCOMPARE(
            gravados, (QStringList{QStringLiteral("Vistral.Dat"), QStringLiteral("enableit.dat")}));
    }

    void recadoAbre()
    {
        // It connects to the maker's server as it opens; with or without a network it then
        // waits for the user.
        QProcess recado;
        recado.setProcessEnvironment(ambienteDoUsuario());
        recado.start(instalado(QStringLiteral("bin/recado")), {});
        QVERIFY(recado.waitForStarted(10000));
        QTest::qWait(1500);
        const bool rodando = recado.state() == QProcess::Running;
        encerra(recado);
        QVERIFY2(rodando, recado.readAllStandardError().constData());
    }

    void nadaGravadoSobOPrefixo() { QCOMPARE(retrato(prefixo), retratoInicial); }
};

QTEST_MAIN(TesteInstalacao)
#include "tst_instalacao.moc"
