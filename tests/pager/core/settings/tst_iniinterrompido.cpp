// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ArquivoIni.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The settings file when the program is killed (SIGKILL) while "Configurar Modem" writes
// it: every kill leaves a whole file, the one before or the one after some write, never a
// mix of the two and never a cut one. The writer is this executable started again, saving
// the dialog's three keys with one set of values and then the other, for ever.
namespace {

const char *const kPastaDoEscritor = "TELLUMO_TESTE_INI_PASTA";

// What the dialog's "OK" saves, one key at a time, in its order: port, dial mode, area code.
void gravaUmaChave(ArquivoIni &ini, bool novos, int chave)
{
    if (chave == 0)
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"),
            novos ? QStringLiteral("2") : QStringLiteral("1"));
    else if (chave == 1)
        ini.GravaPerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"),
            novos ? QStringLiteral("Pulso") : QStringLiteral("Tom"));
    else
        ini.GravaPerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"),
            novos ? QStringLiteral("021") : QStringLiteral("011"));
}

[[noreturn]] void escreveParaSempre(const QString &pasta)
{
    ArquivoIni ini(pasta, QStringLiteral("Tellumo.INI"));
    for (bool novos = true;; novos = !novos)
        for (int chave = 0; chave < 3; ++chave)
            gravaUmaChave(ini, novos, chave);
}

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of some size, so that a kill can fall inside a write.
void escreveInicial(const QString &pasta)
{
    QByteArray bytes = "[MODEM]\r\nPorta Serial=1\r\n[DISCAGEM]\r\nLinha=Tom\r\nPrefixo=011\r\n";
    bytes += "[NOTAS]\r\n";
    for (int i = 0; i < 2000; ++i)
        bytes += "Nota" + QByteArray::number(i) + "=uma linha que o programa não conhece\r\n";
    QFile f(QDir(pasta).filePath(QStringLiteral("Tellumo.INI")));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace

class TestIniInterrompido : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mortoEnquantoGrava()
    {
        // Every file a run of writes goes through, from the first.
        QTemporaryDir modelo;
        escreveInicial(modelo.path());
        const QString caminhoModelo = QDir(modelo.path()).filePath(QStringLiteral("Tellumo.INI"));
        QSet<QByteArray> inteiros{le(caminhoModelo)};
        ArquivoIni ini(modelo.path(), QStringLiteral("Tellumo.INI"));
        for (const bool novos : {true, false}) {
            for (int chave = 0; chave < 3; ++chave) {
                gravaUmaChave(ini, novos, chave);
                inteiros.insert(le(caminhoModelo));
            }
        }

        for (int i = 0; i < 30; ++i) {
            QTemporaryDir pasta;
            escreveInicial(pasta.path());
            QProcess escritor;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QString::fromLatin1(kPastaDoEscritor), pasta.path());
            escritor.setProcessEnvironment(ambiente);
            escritor.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(escritor.waitForStarted());
            QTest::qWait(50 + QRandomGenerator::global()->bounded(200));
            escritor.kill();
            QVERIFY(escritor.waitForFinished(5000));
            const QByteArray restou
                = le(QDir(pasta.path()).filePath(QStringLiteral("Tellumo.INI")));
            QVERIFY2(inteiros.contains(restou),
                qPrintable(QStringLiteral("rodada %1: %2 bytes").arg(i).arg(restou.size())));
        }
    }
};

int main(int argc, char **argv)
{
    const QString pasta = qEnvironmentVariable(kPastaDoEscritor);
    if (!pasta.isEmpty())
        escreveParaSempre(pasta);
    QCoreApplication app(argc, argv);
    TestIniInterrompido teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_iniinterrompido.moc"
