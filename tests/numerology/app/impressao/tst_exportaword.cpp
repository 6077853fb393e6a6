#include "CaixaMensagemGravada.h"
#include "app/impressao/DocumentoRtf.h"
#include "app/impressao/ExportaWord.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRelatorio = QStringLiteral("Resultado de Análise Numerológica:\r\n\r\n"
                                          "Nome: ANA SOUZA\r\n{chaves} e \\barra\r\n");

QByteArray conteudo(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files the export left in the temporary folder.
QStringList temporarios(const QTemporaryDir &pasta)
{
    return QDir(pasta.filePath(QStringLiteral("tmp"))).entryList(QDir::Files);
}

} // namespace

class TestExportaWord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(m_pasta.isValid());
        QDir tmp(m_pasta.filePath(QStringLiteral("tmp")));
        QVERIFY(tmp.removeRecursively() && tmp.mkpath(QStringLiteral(".")));
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    }

    void abreOProcessadorComORelatorioEOColocaNaAreaDeTransferencia()
    {
        // Stand-in word processor: records its arguments and keeps a copy of the document.
        const QString registro = m_pasta.filePath(QStringLiteral("argumentos.txt"));
        const QString copia = m_pasta.filePath(QStringLiteral("documento.rtf"));
        const QString programa = m_pasta.filePath(QStringLiteral("processador de textos.sh"));
        QFile script(programa);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\ncp \"$1\" '%1'\nprintf '%s\\n' \"$@\" > '%2.parcial'\n"
                           "mv '%2.parcial' '%2'\n")
                .arg(copia, registro)
                .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta.filePath(QStringLiteral("tmp")));
        QVERIFY(exporta.exporta(kRelatorio, programa));
        QCOMPARE(caixa.quantidade(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), kRelatorio);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(registro), 10000);
        const QStringList argumentos
            = QString::fromUtf8(conteudo(registro)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(argumentos.size(), 1);
        QCOMPARE(QFileInfo(argumentos.constFirst()).dir(),
            QDir(m_pasta.filePath(QStringLiteral("tmp"))));
        QVERIFY(argumentos.constFirst().endsWith(QStringLiteral(".rtf")));
        QCOMPARE(conteudo(copia), DocumentoRtf(kRelatorio));
    }

    void programaQueNaoIniciaAvisaOUsuario_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::newRow("arquivo inexistente") << QStringLiteral("/nao/existe/WinWord.Exe");
        QTest::newRow("caminho vazio") << QString();
        QTest::newRow("arquivo sem permissão de execução") << QStringLiteral("comum.txt");
    }

    void programaQueNaoIniciaAvisaOUsuario()
    {
        QFETCH(QString, caminho);
        if (caminho == QStringLiteral("comum.txt")) {
            caminho = m_pasta.filePath(caminho);
            QFile comum(caminho);
            QVERIFY(comum.open(QIODevice::WriteOnly));
        }
        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta.filePath(QStringLiteral("tmp")));

        QVERIFY(!exporta.exporta(kRelatorio, caminho));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro Iniciando Aplicativo:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Vistral não conseguiu localizar o Arquivo de Execução do "
                           "Microsoft® Word. Para configurá-lo manualmente, vá ao menu "
                           "Arquivo e selecione Opções."));
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
        QCOMPARE(temporarios(m_pasta), QStringList());
    }

    void semRelatorioNadaEExportado_data()
    {
        QTest::addColumn<OrigemRelatorio>("origem");
        QTest::newRow("nenhuma janela de resultado") << OrigemRelatorio();
        QTest::newRow("resultado vazio") << OrigemRelatorio(QString());
    }

    void semRelatorioNadaEExportado()
    {
        QFETCH(OrigemRelatorio, origem);
        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta.filePath(QStringLiteral("tmp")));
        QVERIFY(!exporta.exporta(origem, QStringLiteral("/bin/true")));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro lendo dados de origem:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Não foi possível localizar um relatório de análise aberto, "
                           "crie-o, selecione-o e então repita a operação."));
        QCOMPARE(temporarios(m_pasta), QStringList());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
    }

    void documentoRtf_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("corpo");
        QTest::newRow("acentos em Windows-1252")
            << QStringLiteral("Análise ç €") << QByteArray("An\\'e1lise \\'e7 \\'80\\par\r\n");
        QTest::newRow("chaves e barra protegidas")
            << QStringLiteral("{a}\\b") << QByteArray("\\{a\\}\\\\b\\par\r\n");
        QTest::newRow("uma linha por parágrafo, a quebra final não abre outra") << QStringLiteral(
            "um\r\n\r\ndois\r\n") << QByteArray("um\\par\r\n\\par\r\ndois\\par\r\n");
        QTest::newRow("fora do código de página")
            << QStringLiteral("Ω") << QByteArray("\\u937?\\par\r\n");
    }

    void documentoRtf()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, corpo);
        const QByteArray rtf = DocumentoRtf(texto);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY2(rtf.endsWith(corpo + '}'), rtf.constData());
    }

private:
    QTemporaryDir m_pasta;
};

QTEST_MAIN(TestExportaWord)
#include "tst_exportaword.moc"
