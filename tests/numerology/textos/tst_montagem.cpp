// SPDX-License-Identifier: GPL-3.0-or-later
#include "MontagemTextos.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using montagem::TamanhoRegistro;

namespace {

// The text of record n as the program reads it: its 5120 bytes without the padding.
QByteArray registro(const QByteArray &dados, int n)
{
    return dados.mid((n - 1) * TamanhoRegistro, TamanhoRegistro).trimmed();
}

QByteArray montado(const QString &fonte)
{
    const montagem::Resultado r = montagem::montaRegistros(fonte);
    if (!r.ok())
        qWarning("%s", qUtf8Printable(r.erro));
    return r.dados;
}

} // namespace

class TestMontagem : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textoDoRegistro_data()
    {
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("linhas quebradas viram uma frase") << QStringLiteral(
            "@1\nO número um\n  abre caminhos.  \n") << QByteArray("O n\xFAmero um abre caminhos.");
        QTest::newRow("linha vazia separa parágrafos com CR LF")
            << QStringLiteral("@1\nPrimeiro.\n\nSegundo\nparágrafo.\n")
            << QByteArray("Primeiro.\r\nSegundo par\xE1grafo.");
        QTest::newRow("várias linhas vazias, uma só quebra")
            << QStringLiteral("@1\nA.\n\n\n\nB.\n") << QByteArray("A.\r\nB.");
        QTest::newRow("vazias no começo e no fim somem")
            << QStringLiteral("@1\n\n\nTexto.\n\n\n") << QByteArray("Texto.");
        QTest::newRow("comentário não parte o parágrafo")
            << QStringLiteral("# cabeçalho\n@1\nUma\n# nota do revisor\nfrase.\n")
            << QByteArray("Uma frase.");
        QTest::newRow("fonte com CR LF") << QStringLiteral("@1\r\nDuas\r\nlinhas.\r\n\r\nFim.\r\n")
                                         << QByteArray("Duas linhas.\r\nFim.");
        QTest::newRow("euro e aspas curvas em um byte") << QStringLiteral("@1\n“Dê” 5 €\n")
                                                        << QByteArray("\x93"
                                                                      "D\xEA\x94 5 \x80");
    }
    void textoDoRegistro()
    {
        QFETCH(QString, fonte);
        QFETCH(QByteArray, texto);
        const QByteArray dados = montado(fonte);
        QCOMPARE(dados.size(), TamanhoRegistro);
        QCOMPARE(registro(dados, 1), texto);
        QVERIFY(dados.startsWith(texto));
    }

    void registrosFicamNoDeslocamentoDoNumero()
    {
        const QByteArray dados = montado(QStringLiteral("@3\nTrês.\n@1\nUm.\n"));
        QCOMPARE(dados.size(), 3 * TamanhoRegistro);
        QCOMPARE(dados.left(3), QByteArray("Um."));
        QCOMPARE(dados.mid(2 * TamanhoRegistro, 5), QByteArray("Tr\xEAs."));
        // Record 2 was never written: all blanks, so the program reads an empty text.
        QCOMPARE(dados.mid(TamanhoRegistro, TamanhoRegistro), QByteArray(TamanhoRegistro, ' '));
        QCOMPARE(dados.count(' '), 3 * TamanhoRegistro - 3 - 5);
    }

    void textoQueEnchePrecisamenteORegistro()
    {
        // "ç" is two bytes in the source but one in the record: the limit counts record bytes.
        const QString cheio = QString(TamanhoRegistro, QChar(0x00E7));
        const QByteArray dados
            = montado(QStringLiteral("@1\n") + cheio + QStringLiteral("\n@2\nx\n"));
        QCOMPARE(dados.size(), 2 * TamanhoRegistro);
        QCOMPARE(dados.left(TamanhoRegistro), QByteArray(TamanhoRegistro, '\xE7'));
        QCOMPARE(registro(dados, 2), QByteArray("x"));
    }

    void fonteRecusada_data()
    {
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QString>("trechoDaMensagem");
        const QString longo = QString(TamanhoRegistro - 3, QLatin1Char('a'));
        QTest::newRow("texto longo demais")
            << QStringLiteral("@1\nok\n\n@2\n") + longo + QStringLiteral("\nbcd\n")
            << QStringLiteral("linha 4: registro 2: o texto tem 5121 bytes");
        QTest::newRow("caractere fora de Windows-1252") << QStringLiteral(
            "@1\nbom\n@2\nseta → aqui\n") << QStringLiteral("registro 2: o caractere U+2192");
        QTest::newRow("registro repetido")
            << QStringLiteral("@1\na\n@2\nb\n@1\nc\n")
            << QStringLiteral("linha 5: o registro 1 já apareceu na linha 1");
        QTest::newRow("registro zero")
            << QStringLiteral("@0\na\n") << QStringLiteral("linha 1: número de registro inválido");
        QTest::newRow("número ilegível") << QStringLiteral("@1\na\n@dois\nb\n")
                                         << QStringLiteral("linha 3: número de registro inválido");
        QTest::newRow("texto sem registro")
            << QStringLiteral("# nota\nsolto\n@1\na\n")
            << QStringLiteral("linha 2: texto antes do primeiro registro");
        QTest::newRow("nenhum registro")
            << QStringLiteral("# só comentário\n") << QStringLiteral("nenhum registro");
    }
    void fonteRecusada()
    {
        QFETCH(QString, fonte);
        QFETCH(QString, trechoDaMensagem);
        const montagem::Resultado r = montagem::montaRegistros(fonte);
        QVERIFY(!r.ok());
        QVERIFY(r.dados.isEmpty());
        QVERIFY2(r.erro.contains(trechoDaMensagem), qUtf8Printable(r.erro));
    }

    void arquivoDeLinhas()
    {
        const montagem::Resultado r = montagem::montaLinhas(
            QStringLiteral("# dicas\nPrimeira dica.\n\n  Você sabia?  \n# fim\nÚltima\n"));
        QVERIFY2(r.ok(), qUtf8Printable(r.erro));
        QCOMPARE(r.dados, QByteArray("Primeira dica.\r\nVoc\xEA sabia?\r\n\xDAltima\r\n"));
    }

    void arquivoDeLinhasRecusaCaractereForaDaPagina()
    {
        const montagem::Resultado r = montagem::montaLinhas(QStringLiteral("boa\nruim ✓\n"));
        QVERIFY(!r.ok());
        QVERIFY2(r.erro.contains(QStringLiteral("linha 2")), qUtf8Printable(r.erro));
    }

    void ferramentaGravaOArquivo()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString fonte = QStringLiteral("@2\nDois\nem duas linhas.\n@1\nUm.\n");
        QFile f(pasta.filePath(QStringLiteral("TESTE.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fonte.toUtf8());
        f.close();

        QProcess p;
        p.start(QStringLiteral(GERADOR_REGISTROS),
            {QStringLiteral("registros"), f.fileName(),
                pasta.filePath(QStringLiteral("TESTE.DAT"))});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QFile saida(pasta.filePath(QStringLiteral("TESTE.DAT")));
        QVERIFY(saida.open(QIODevice::ReadOnly));
        const QByteArray dados = saida.readAll();
        QCOMPARE(dados, montado(fonte));
        QCOMPARE(registro(dados, 2), QByteArray("Dois em duas linhas."));
    }

    void ferramentaFalhaSemGravarNada()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        QFile f(pasta.filePath(QStringLiteral("LONGO.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("@1\n" + QByteArray(TamanhoRegistro + 1, 'x') + "\n");
        f.close();

        QProcess p;
        p.start(QStringLiteral(GERADOR_REGISTROS),
            {QStringLiteral("registros"), f.fileName(),
                pasta.filePath(QStringLiteral("LONGO.DAT"))});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString erro = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(
            erro.contains(QStringLiteral("LONGO.txt: linha 1: registro 1: o texto tem 5121 bytes")),
            qUtf8Printable(erro));
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("LONGO.DAT"))));
    }
};

QTEST_GUILESS_MAIN(TestMontagem)
#include "tst_montagem.moc"
