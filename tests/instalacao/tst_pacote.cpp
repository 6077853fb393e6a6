#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The Debian package made by cpack from the built tree: what it holds and what it needs.
class TestePacote : public QObject
{
    Q_OBJECT

    QTemporaryDir saida;
    QString deb;

    static QString roda(const QString &programa, const QStringList &argumentos)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programa, argumentos);
        if (!p.waitForFinished(240000) || p.exitCode() != 0)
            qWarning().noquote() << programa << argumentos << p.readAll();
        return QString::fromUtf8(p.readAll());
    }

private slots:
    void initTestCase()
    {
        roda(QStringLiteral(CPACK_COMANDO),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                QStringLiteral(PASTA_OBRA "/CPackConfig.cmake"), QStringLiteral("-B"),
                saida.path()});
        const QStringList debs = QDir(saida.path()).entryList({QStringLiteral("quorvane_*.deb")});
        QCOMPARE(debs.size(), 1);
        deb = saida.filePath(debs.first());
    }

    void contemProgramasDadosEIcones()
    {
        const QString conteudo
            = roda(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
        for (const char *arquivo : {"./usr/bin/tellumo", "./usr/bin/vistral", "./usr/bin/recado",
                 "./usr/share/quorvane/tellumo/Pager.Mdb", "./usr/share/quorvane/vistral/CVIDA.DAT",
                 "./usr/share/quorvane/vistral/byday.arq",
                 "./usr/share/quorvane/vistral/Vistral.html",
                 "./usr/share/applications/vistral.desktop",
                 "./usr/share/icons/hicolor/48x48/apps/tellumo.png"})
            QVERIFY2(conteudo.contains(QLatin1String(arquivo) + QLatin1Char('\n')), arquivo);
        // Nothing of the developer's folders: no test programs, no simulator, no user's files.
        for (const char *alheio : {"test_", "simulador", "Vistral.Dat", "enableit.dat", "/build/"})
            QVERIFY2(!conteudo.contains(QLatin1String(alheio)), alheio);
    }

    void dependenciasCalculadasEAsDoQt()
    {
        const QString info = roda(QStringLiteral("dpkg-deb"),
            {QStringLiteral("--field"), deb, QStringLiteral("Depends")});
        for (const char *pacote : {"libc6", "libqt6widgets6", "libqt6sql6 (",
                 "libqt6printsupport6", "libqt6sql6-sqlite", "qt6-translations-l10n"})
            QVERIFY2(info.contains(QLatin1String(pacote)), qPrintable(info));
    }
};

QTEST_GUILESS_MAIN(TestePacote)
#include "tst_pacote.moc"
