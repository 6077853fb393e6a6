// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "ProcessoSimulador.h"
#include "app/frmPrincipal.h"
#include "app/opcoes/frmDicasDoDia.h"
#include "engine/Interpretacao.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// `cmake --install` into a temporary prefix; the installed programs then run from there for a
// user whose home and XDG folders are temporary too.
class TesteInstalacao : public QObject
{
    Q_OBJECT

    QTemporaryDir raiz;
    QString prefixo; // the installed tree, under DESTDIR
    QStringList retratoInicial;

    QString emRaiz(const QString &relativo) const { return raiz.filePath(relativo); }
    QString instalado(const QString &relativo) const { return prefixo + u'/' + relativo; }

    // Every path under the prefix with its size and time: what no run may change.
    QStringList retrato() const
    {
        QStringList linhas;
        QDirIterator it(prefixo, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo f(it.next());
            linhas << f.filePath()
                    + QStringLiteral(" %1 %2").arg(f.size()).arg(
                        f.lastModified().toMSecsSinceEpoch());
        }
        linhas.sort();
        return linhas;
    }

    // Starts an installed program for the temporary user and stops it once `pronto` holds
    // (or after `ms`); true when it was still running then.
    bool roda(const QString &programa, const std::function<bool()> &pronto, int ms = 30000)
    {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("HOME"), emRaiz(QStringLiteral("casa")));
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), emRaiz(QStringLiteral("dados")));
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), emRaiz(QStringLiteral("config")));
        processo.setProcessEnvironment(ambiente);
        processo.start(instalado(QStringLiteral("bin/") + programa), {});
        const QDeadlineTimer prazo(ms);
        while (processo.state() != QProcess::NotRunning && !pronto() && !prazo.hasExpired())
            QTest::qWait(50);
        const bool rodando = processo.state() == QProcess::Running && pronto();
        processo.kill();
        processo.waitForFinished(5000);
        return rodando;
    }

private slots:
    void initTestCase()
    {
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
        qputenv("XDG_DATA_HOME", QFile::encodeName(emRaiz(QStringLiteral("dados"))));
        retratoInicial = retrato();
    }

    void entradasDoMenuValidasComIcones()
    {
        QProcess valida;
        valida.setProcessChannelMode(QProcess::MergedChannels);
        QStringList entradas;
        for (const char *programa : {"tellumo", "vistral", "recado"}) {
            entradas << instalado(
                QStringLiteral("share/applications/%1.desktop").arg(QLatin1String(programa)));
            const QImage icone(instalado(QStringLiteral("share/icons/hicolor/256x256/apps/%1.png")
                                             .arg(QLatin1String(programa))));
            QCOMPARE(icone.size(), QSize(256, 256));
        }
        valida.start(QStringLiteral("desktop-file-validate"), entradas);
        QVERIFY(valida.waitForFinished(30000));
        const QByteArray saida = valida.readAll();
        QVERIFY2(valida.exitCode() == 0 && saida.isEmpty(), saida.constData());
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
        // The modem is initialised after the database opened (a failure there ends the program).
        QVERIFY(roda(QStringLiteral("tellumo"), [&] {
            const auto comandos = simulador.registros(QStringLiteral("comando"));
            return !comandos.isEmpty()
                && comandos.last().value(QStringLiteral("linha")).toString().toUpper() == u"ATE0";
        }));
        QVERIFY(QFileInfo(emRaiz(QStringLiteral("dados/tellumo/Pager.Mdb"))).size() > 0);
    }

    void vistralGravaSeusArquivosNaPastaDoUsuario()
    {
        // Its first start writes "Vistral.Dat", then asks the first-run question (unanswered).
        QVERIFY(roda(QStringLiteral("vistral"), [&] {
            return QFileInfo::exists(emRaiz(QStringLiteral("dados/vistral/Vistral.Dat")));
        }));
    }

    void analiseCompletaETipLeemOsArquivosInstalados()
    {
        // In this process, with the folders the installed executable gets.
        const PastasVistral pastas = PastasVistral::doExecutavel(instalado(QStringLiteral("bin")));
        CaixaMensagemGravada caixa;
        caixa.responde({CaixaMensagem::Resposta::Nao});
        frmPrincipal janela(pastas, &caixa, [] { return QDate(2026, 12, 8); });
        janela.MDIForm_Load();
        janela.NomeAnalisado = QStringLiteral("Ana Souza");
        janela.DataNascimento = QStringLiteral("25/12/1970");
        janela.CriaRelatorio();
        QVERIFY(janela.documentoAtivo());
        const QString vida = Variaveis_Globais::LeInterpretacao(janela.CaminhoDaVida,
            QStringLiteral("CVIDA.DAT"), instalado(QStringLiteral("share/quorvane/vistral")));
        QVERIFY(!vida.trimmed().isEmpty());
        QVERIFY(janela.documentoAtivo()->texto.simplified().contains(vida.simplified().left(60)));
        QCOMPARE(QDir(emRaiz(QStringLiteral("dados/vistral"))).entryList(QDir::Files, QDir::Name),
            (QStringList{QStringLiteral("Vistral.Dat"), QStringLiteral("enableit.dat")}));

        frmDicasDoDia dica(pastas, caixa, [] { return 0.0; });
        QVERIFY(!dica.findChild<QLabel *>(QStringLiteral("lblDica"))->text().isEmpty());
    }

    void recadoAbre()
    {
        // It tries the maker's server as it opens and then waits for the user, network or not.
        QDeadlineTimer espera(1500);
        QVERIFY(roda(QStringLiteral("recado"), [&] { return espera.hasExpired(); }));
    }

    void nadaGravadoSobOPrefixo() { QCOMPARE(retrato(), retratoInicial); }
};

QTEST_MAIN(TesteInstalacao)
#include "tst_instalacao.moc"
