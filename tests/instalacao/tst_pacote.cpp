// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The Debian package that cpack makes from the built tree: what it holds and what it needs.
class TestePacote : public QObject
{
    Q_OBJECT

    static QString roda(
        const QString &programa, const QStringList &argumentos, int *status = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programa, argumentos);
        p.waitForFinished(240000);
        if (status)
            *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAll());
    }

private slots:
    void pacoteTemProgramasDadosIconesEDependencias()
    {
        QTemporaryDir saida;
        const QString log = roda(QStringLiteral(CPACK_COMANDO),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                QStringLiteral(PASTA_OBRA "/CPackConfig.cmake"), QStringLiteral("-B"),
                saida.path()});
        const QStringList debs = QDir(saida.path()).entryList({QStringLiteral("quorvane_*.deb")});
        QVERIFY2(debs.size() == 1, qPrintable(log));
        const QString deb = saida.filePath(debs.first());

        const QString conteudo
            = roda(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
        for (const char *arquivo :
            {"/usr/bin/tellumo\n", "/usr/bin/tellumo-banco\n", "/usr/bin/vistral\n",
                "/usr/bin/recado\n", "/usr/share/quorvane/tellumo/Pager.Mdb\n",
                "/usr/share/quorvane/vistral/CVIDA.DAT\n",
                "/usr/share/quorvane/vistral/byday.arq\n",
                "/usr/share/quorvane/vistral/Vistral.html\n",
                "/usr/share/applications/vistral.desktop\n",
                "/usr/share/icons/hicolor/48x48/apps/tellumo.png\n", "/usr/bin/tellumo-simulador\n",
                "/usr/share/doc/quorvane/copyright\n",
                "/usr/share/doc/quorvane/changelog.Debian.gz\n",
                "/usr/lib/systemd/system/tellumo-servico.service\n",
                "/usr/lib/sysusers.d/tellumo.conf\n", "/usr/lib/tmpfiles.d/tellumo.conf\n",
                "/etc/tellumo/servico.ini\n"})
            QVERIFY2(conteudo.contains(QLatin1String(arquivo)), arquivo);
        // Nothing of the developer's: no tests, no simulator under its build name, no settings
        // a run left behind.
        for (const char *alheio : {"test_", "bin/simulador", "Vistral.Dat", "enableit.dat"})
            QVERIFY2(!conteudo.contains(QLatin1String(alheio)), alheio);

        const QString depende = roda(QStringLiteral("dpkg-deb"),
            {QStringLiteral("--field"), deb, QStringLiteral("Depends")});
        for (const char *pacote : {"libc6 (", "libqt6widgets6 (", "libqt6sql6 (",
                 "libqt6printsupport6 (", "libqt6sql6-sqlite", "qt6-translations-l10n"})
            QVERIFY2(depende.contains(QLatin1String(pacote)), qPrintable(depende));

        // Every installed executable has its manual page.
        static const QRegularExpression executavel(QStringLiteral("/usr/bin/(\\S+)\n"));
        int executaveis = 0;
        for (const QRegularExpressionMatch &m : executavel.globalMatch(conteudo)) {
            const QString pagina
                = QStringLiteral("/usr/share/man/man1/%1.1.gz\n").arg(m.captured(1));
            QVERIFY2(conteudo.contains(pagina), qPrintable(pagina));
            ++executaveis;
        }
        QCOMPARE(executaveis, 7);

        // The service's settings survive upgrades as the administrator left them.
        QTemporaryDir controle;
        roda(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), deb, controle.path()});
        QFile conffiles(controle.filePath(QStringLiteral("conffiles")));
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QCOMPARE(conffiles.readAll().trimmed(), QByteArray("/etc/tellumo/servico.ini"));

        if (QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty())
            QSKIP("appstreamcli não está instalado: a metainfo ficou sem validar");
        QTemporaryDir arvore;
        roda(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, arvore.path()});
        QStringList validar = {QStringLiteral("validate"), QStringLiteral("--no-net")};
        const QDir metainfo(arvore.filePath(QStringLiteral("usr/share/metainfo")));
        for (const QFileInfo &arquivo : metainfo.entryInfoList({QStringLiteral("*.metainfo.xml")}))
            validar << arquivo.filePath();
        QCOMPARE(validar.size(), 2 + 3);
        int status = -1;
        const QString aviso = roda(QStringLiteral("appstreamcli"), validar, &status);
        QVERIFY2(status == 0, qPrintable(aviso));
    }
};

QTEST_GUILESS_MAIN(TestePacote)
#include "tst_pacote.moc"
