// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/service/ConfiguracaoDoServico.h"
#include "core/service/ContasDoServico.h"
#include "core/settings/ArquivoIni.h"
#include "core/snpp/SenhaDeConta.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The service's settings as administrators write them (either encoding), and its accounts.
class TestConfiguracaoServico : public QObject
{
    Q_OBJECT

    QTemporaryDir m_pasta;

    QString grava(const QString &nome, const QByteArray &bytes)
    {
        QFile arquivo(m_pasta.filePath(nome));
        arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate);
        arquivo.write(bytes);
        return arquivo.fileName();
    }

private slots:
    void le_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("esperado"); // a summary of what was read, or the error
        const QString padrao
            = QStringLiteral("127.0.0.1 444 32 60 100 0 |padrao.Mdb 100000 60 2 10 0");
        QTest::newRow("vazio") << QByteArray() << padrao;
        // The keys' accents in Windows-1252 (as Tellumo writes) and in UTF-8 (as editors do).
        QTest::newRow("windows-1252")
            << QByteArray("[SNPP]\r\nEndere\xe7o=0.0.0.0, ::1\r\nPorta=10444\r\n"
                          "C\xf3"
                          "digo Avulso=Sim\r\n[FILA]\r\nFator=1.5\r\n")
            << QStringLiteral("0.0.0.0,::1 10444 32 60 100 1 |padrao.Mdb 100000 60 1.5 10 0");
        QTest::newRow("utf-8")
            << QByteArray("[SNPP]\nEndereço=10.0.0.1\nMáximo de Conexões=5\nCódigo Avulso=não\n"
                          "[BANCO]\nArquivo=dados/Pager.Mdb\n[FILA]\nMáximo de "
                          "Tentativas=3\n[HTTP]\nPorta=8444\n")
            << QStringLiteral("10.0.0.1 444 5 60 100 0 |dados/Pager.Mdb 100000 60 2 3 8444");
        QTest::newRow("servidor") << QByteArray("[BANCO]\nServidor=dbname=t\n")
                                  << QStringLiteral("127.0.0.1 444 32 60 100 0 dbname=t|padrao.Mdb "
                                                    "100000 60 2 10 0");
        QTest::newRow("porta fora") << QByteArray("[SNPP]\nPorta=70000\n")
                                    << QStringLiteral("\"Porta\" em [SNPP]: \"70000\"");
        QTest::newRow("fração") << QByteArray("[FILA]\nMáximo de Tentativas=2.5\n")
                                << QStringLiteral("\"Máximo de Tentativas\" em [FILA]");
        QTest::newRow("sim ou não")
            << QByteArray("[SNPP]\nCódigo Avulso=talvez\n") << QStringLiteral("use Sim ou Não");
        QTest::newRow("endereço") << QByteArray("[SNPP]\nEndereço=localhost\n")
                                  << QStringLiteral("\"Endereço\" em [SNPP]: \"localhost\"");
    }

    void le()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, esperado);
        grava(QStringLiteral("servico.ini"), ini);
        QString motivo;
        const auto c
            = ConfiguracaoDoServico::Le(ArquivoIni(m_pasta.path(), QStringLiteral("servico.ini")),
                m_pasta.filePath(QStringLiteral("padrao.Mdb")), &motivo);
        if (!c) {
            QVERIFY2(motivo.contains(esperado), qPrintable(motivo));
            return;
        }
        QStringList enderecos;
        for (const QHostAddress &e : c->enderecosSnpp)
            enderecos.append(e.toString());
        const auto n = [](double v) { return QString::number(v); };
        const QString lido
            = QStringList{enderecos.join(QLatin1Char(',')), n(c->portaSnpp), n(c->maximoDeConexoes),
                  n(c->segundosOcioso), n(c->limites.paginasPorTransacao),
                  n(c->limites.aceitaCodigoAvulso), c->servidorBanco}
                  .join(QLatin1Char(' '))
            + QLatin1Char('|')
            + QStringList{QDir(m_pasta.path()).relativeFilePath(c->arquivoBanco),
                n(c->maximoDePaginas), n(c->politica.primeiraEsperaS), n(c->politica.fator),
                n(c->politica.maximoDeTentativas), n(c->portaHttp)}
                  .join(QLatin1Char(' '));
        QCOMPARE(lido, esperado);
    }

    void contas()
    {
        const QByteArray linha
            = ContasDoServico::Linha(QStringLiteral("monitor"), QStringLiteral("s3nha"));
        QVERIFY(linha.startsWith("monitor:$argon2id$"));
        QVERIFY(
            ContasDoServico::Linha(QStringLiteral("com espaço"), QStringLiteral("x")).isEmpty());
        QString motivo;
        const auto lidas = ContasDoServico::Le(
            grava(QStringLiteral("contas"), "# contas\n\n" + linha + "\n"), &motivo);
        QVERIFY2(lidas && lidas->size() == 1, qPrintable(motivo));
        QVERIFY(SenhaDeConta::Confere(
            lidas->value(QStringLiteral("monitor")), QStringLiteral("s3nha")));
        QVERIFY(!ContasDoServico::Le(grava(QStringLiteral("ruim"), "monitor s3nha\n"), &motivo));
        QVERIFY2(motivo.contains(QStringLiteral("linha 1")), qPrintable(motivo));
    }
};

QTEST_GUILESS_MAIN(TestConfiguracaoServico)
#include "tst_configuracaoservico.moc"
