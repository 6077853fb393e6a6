#include "PastasDoPrograma.h"
#include "shell/PastaPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Which folders a program uses: beside its executable, or installed under a prefix.
class TestePastas : public QObject
{
    Q_OBJECT

    QTemporaryDir raiz;

    QString caminho(const QString &relativo) const { return raiz.filePath(relativo); }

    static bool grava(const QString &arquivo, const QByteArray &conteudo)
    {
        QDir().mkpath(QFileInfo(arquivo).path());
        QFile f(arquivo);
        return f.open(QIODevice::WriteOnly) && f.write(conteudo) == conteudo.size();
    }

    static QByteArray le(const QString &arquivo)
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
    }

private slots:
    void init()
    {
        QDir(raiz.path()).removeRecursively();
        QDir().mkpath(caminho(QStringLiteral("bin")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(caminho(QStringLiteral("dados"))));
    }

    void escolheAsPastas_data()
    {
        QTest::addColumn<bool>("aoLado");
        QTest::addColumn<bool>("instalado");
        QTest::addColumn<bool>("esperaInstalado");
        QTest::newRow("pasta da obra") << true << false << false;
        QTest::newRow("pasta copiada sobre uma instalação") << true << true << false;
        QTest::newRow("instalado") << false << true << true;
        QTest::newRow("nem um nem outro") << false << false << false;
    }

    void escolheAsPastas()
    {
        QFETCH(bool, aoLado);
        QFETCH(bool, instalado);
        QFETCH(bool, esperaInstalado);
        if (aoLado)
            QVERIFY(grava(caminho(QStringLiteral("bin/CDATA.DAT")), "x"));
        if (instalado)
            QVERIFY(grava(caminho(QStringLiteral("share/quorvane/vistral/CDATA.DAT")), "x"));

        const auto pastas = PastasDoPrograma::de(
            caminho(QStringLiteral("bin")), QStringLiteral("vistral"), QStringLiteral("CDATA.DAT"));
        QCOMPARE(pastas.instalado, esperaInstalado);
        QCOMPARE(pastas.dados,
            caminho(esperaInstalado ? QStringLiteral("share/quorvane/vistral")
                                    : QStringLiteral("bin")));
        QCOMPARE(pastas.usuario,
            caminho(esperaInstalado ? QStringLiteral("dados/vistral") : QStringLiteral("bin")));
    }

    void pastaDoUsuarioIgnoraXdgRelativo()
    {
        qputenv("XDG_DATA_HOME", "relativo");
        QCOMPARE(PastasDoPrograma::dadosDoUsuario(QStringLiteral("vistral")),
            QDir::home().filePath(QStringLiteral(".local/share/vistral")));
    }

    void tellumoCopiaOModeloUmaVezENuncaSobrescreve()
    {
        const QString modelo = caminho(QStringLiteral("share/quorvane/tellumo/Pager.Mdb"));
        const QString banco = caminho(QStringLiteral("dados/tellumo/Pager.Mdb"));
        QVERIFY(grava(modelo, "vazio"));

        QCOMPARE(PastaPrograma(caminho(QStringLiteral("bin"))),
            caminho(QStringLiteral("dados/tellumo")));
        QCOMPARE(le(banco), QByteArray("vazio"));
        QCOMPARE(QFile::permissions(banco) & (QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());

        QVERIFY(grava(banco, "diretorio do usuario"));
        PastaPrograma(caminho(QStringLiteral("bin")));
        QCOMPARE(le(banco), QByteArray("diretorio do usuario"));
        QCOMPARE(QDir(caminho(QStringLiteral("dados/tellumo"))).entryList(QDir::Files),
            QStringList{QStringLiteral("Pager.Mdb")});
    }
};

QTEST_GUILESS_MAIN(TestePastas)
#include "tst_pastas.moc"
