// SPDX-License-Identifier: GPL-3.0-or-later
#include "PastasDoPrograma.h"
#include "core/settings/PastaPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Which folders a program uses: beside its executable, or installed under a prefix.
class TestePastas : public QObject
{
    Q_OBJECT

    QTemporaryDir raiz;

    QString em(const QString &relativo) const { return raiz.filePath(relativo); }

    bool grava(const QString &relativo, const QByteArray &conteudo) const
    {
        QDir().mkpath(QFileInfo(em(relativo)).path());
        QFile f(em(relativo));
        return f.open(QIODevice::WriteOnly) && f.write(conteudo) == conteudo.size();
    }

    QByteArray le(const QString &relativo) const
    {
        QFile f(em(relativo));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
    }

private slots:
    void init()
    {
        QDir(raiz.path()).removeRecursively();
        QDir().mkpath(em(QStringLiteral("bin")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(em(QStringLiteral("dados"))));
    }

    void escolheAsPastas_data()
    {
        QTest::addColumn<bool>("aoLado");
        QTest::addColumn<bool>("naInstalacao");
        QTest::addColumn<bool>("instalado");
        QTest::newRow("pasta da obra") << true << false << false;
        QTest::newRow("cópia da obra numa instalação") << true << true << false;
        QTest::newRow("instalado") << false << true << true;
        QTest::newRow("dados em parte alguma") << false << false << false;
    }

    void escolheAsPastas()
    {
        QFETCH(bool, aoLado);
        QFETCH(bool, naInstalacao);
        QFETCH(bool, instalado);
        QVERIFY(!aoLado || grava(QStringLiteral("bin/CDATA.DAT"), "x"));
        QVERIFY(!naInstalacao || grava(QStringLiteral("share/quorvane/vistral/CDATA.DAT"), "x"));
        const auto pastas = PastasDoPrograma::de(
            em(QStringLiteral("bin")), QStringLiteral("vistral"), QStringLiteral("CDATA.DAT"));
        QCOMPARE(pastas.instalado, instalado);
        QCOMPARE(pastas.dados,
            em(instalado ? QStringLiteral("share/quorvane/vistral") : QStringLiteral("bin")));
        QCOMPARE(pastas.usuario,
            em(instalado ? QStringLiteral("dados/vistral") : QStringLiteral("bin")));
    }

    void tellumoCopiaOModeloUmaVezENuncaSobrescreve()
    {
        const QString banco = QStringLiteral("dados/tellumo/Pager.Mdb");
        QVERIFY(grava(QStringLiteral("share/quorvane/tellumo/Pager.Mdb"), "vazio"));
        QCOMPARE(PastaPrograma(em(QStringLiteral("bin"))), em(QStringLiteral("dados/tellumo")));
        QCOMPARE(le(banco), QByteArray("vazio"));
        // The user's directory is his alone.
        QVERIFY(!(QFile::permissions(em(banco)) & (QFile::ReadOther | QFile::WriteOther)));

        QVERIFY(grava(banco, "diretório do usuário"));
        PastaPrograma(em(QStringLiteral("bin")));
        QCOMPARE(le(banco), QByteArray("diretório do usuário"));
        QCOMPARE(QDir(em(QStringLiteral("dados/tellumo"))).entryList(QDir::Files),
            QStringList{QStringLiteral("Pager.Mdb")});
    }
};

QTEST_GUILESS_MAIN(TestePastas)
#include "tst_pastas.moc"
