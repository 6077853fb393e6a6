// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "Cp1252.h"
#include "app/Configuracao.h"
#include "app/DataNascimento.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray conteudo(const QString &pasta, const QString &arquivo)
{
    QFile f(QDir(pasta).filePath(arquivo));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

void grava(const QString &pasta, const QString &arquivo, const QByteArray &bytes)
{
    QFile f(QDir(pasta).filePath(arquivo));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestConfiguracao : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void caminhoWordCriadoQuandoFalta_data()
    {
        QTest::addColumn<QByteArray>("existente"); // "<ausente>": no file
        QTest::newRow("arquivo ausente") << QByteArray("<ausente>");
        QTest::newRow("arquivo vazio") << QByteArray();
        QTest::newRow("linha vazia") << QByteArray("\r\n");
    }
    void caminhoWordCriadoQuandoFalta()
    {
        QFETCH(QByteArray, existente);
        QTemporaryDir pasta;
        if (existente != "<ausente>")
            grava(pasta.path(), Configuracao::ArquivoWord, existente);
        QCOMPARE(Configuracao::LeCaminhoWord(pasta.path()), QStringLiteral("/usr/bin/lowriter"));
        QCOMPARE(conteudo(pasta.path(), QStringLiteral("Vistral.Dat")),
            QByteArray("/usr/bin/lowriter\r\n"));
    }

    void caminhoWordExistenteELido()
    {
        QTemporaryDir pasta;
        grava(pasta.path(), QStringLiteral("Vistral.Dat"),
            cp1252::codifica(QStringLiteral("/opt/edição/writer")) + "\r\nlixo\r\n");
        QCOMPARE(Configuracao::LeCaminhoWord(pasta.path()), QStringLiteral("/opt/edição/writer"));
    }

    void primeiraExecucaoPerguntaEGrava_data()
    {
        QTest::addColumn<CaixaMensagem::Resposta>("resposta");
        QTest::addColumn<bool>("usar");
        QTest::addColumn<QByteArray>("gravado");
        QTest::newRow("Sim") << CaixaMensagem::Resposta::Sim << true << QByteArray("S\r\n");
        QTest::newRow("Não") << CaixaMensagem::Resposta::Nao << false << QByteArray("N\r\n");
    }
    void primeiraExecucaoPerguntaEGrava()
    {
        QFETCH(CaixaMensagem::Resposta, resposta);
        QFETCH(bool, usar);
        QFETCH(QByteArray, gravado);
        QTemporaryDir pasta;
        CaixaMensagemGravada caixa;
        caixa.responde({resposta});
        QCOMPARE(Configuracao::ChecaAcessoInternet(pasta.path(), caixa), usar);
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Permitir Novidades via Internet:"));
        QVERIFY(caixa.ultimo().texto.startsWith(
            QStringLiteral("Este programa possue recursos que permitem à você")));
        QVERIFY(caixa.ultimo().texto.endsWith(
            QStringLiteral("então clique em 'Sim', caso contrário, clique em 'Não'.")));
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Pergunta);
        QCOMPARE(caixa.ultimo().botoes, CaixaMensagem::Botoes::SimNao);
        QCOMPARE(conteudo(pasta.path(), QStringLiteral("enableit.dat")), gravado);

        // The next start reads the answer and asks nothing.
        QCOMPARE(Configuracao::ChecaAcessoInternet(pasta.path(), caixa), usar);
        QCOMPARE(caixa.quantidade(), 1);
    }

    void arquivosDeUmaLinha_data()
    {
        QTest::addColumn<QByteArray>("linha");
        QTest::addColumn<bool>("sim");
        QTest::newRow("S") << QByteArray("S\r\n") << true;
        QTest::newRow("S sem fim de linha") << QByteArray("S") << true;
        QTest::newRow("N") << QByteArray("N\r\n") << false;
        QTest::newRow("s minúsculo") << QByteArray("s\r\n") << false;
        QTest::newRow("S com espaço") << QByteArray("S \r\n") << false;
    }
    void arquivosDeUmaLinha()
    {
        QFETCH(QByteArray, linha);
        QFETCH(bool, sim);
        QTemporaryDir pasta;
        grava(pasta.path(), QStringLiteral("dicas.inc"), linha);
        grava(pasta.path(), QStringLiteral("enableit.dat"), linha);
        CaixaMensagemGravada caixa;
        QCOMPARE(Configuracao::ExibeDicaAoIniciar(pasta.path()), sim);
        QCOMPARE(Configuracao::ChecaAcessoInternet(pasta.path(), caixa), sim);
        QCOMPARE(caixa.quantidade(), 0);
    }

    void semDicasNaoHaDica()
    {
        QTemporaryDir pasta;
        QVERIFY(!Configuracao::ExibeDicaAoIniciar(pasta.path()));
    }

    void datasDeNascimento_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::newRow("exemplo") << QStringLiteral("25/12/1970") << true;
        QTest::newRow("29 de fevereiro bissexto") << QStringLiteral("29/02/2000") << true;
        QTest::newRow("29 de fevereiro de 1900") << QStringLiteral("29/02/1900") << false;
        QTest::newRow("31/02 não existe") << QStringLiteral("31/02/1999") << false;
        QTest::newRow("31/04 não existe") << QStringLiteral("31/04/2001") << false;
        QTest::newRow("dia 00") << QStringLiteral("00/12/1970") << false;
        QTest::newRow("mês 13") << QStringLiteral("10/13/1970") << false;
        QTest::newRow("ano com 2 dígitos") << QStringLiteral("25/12/70__") << false;
        QTest::newRow("máscara vazia") << QStringLiteral("__/__/____") << false;
        QTest::newRow("sem zeros") << QStringLiteral("5/1/1970") << false;
        QTest::newRow("outro separador") << QStringLiteral("25-12-1970") << false;
        QTest::newRow("vazio") << QString() << false;
    }
    void datasDeNascimento()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QCOMPARE(DataNascimentoValida(texto), valida);
    }
};

QTEST_GUILESS_MAIN(TestConfiguracao)
#include "tst_configuracao.moc"
