// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "app/impressao/ExportaWord.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <unistd.h>

namespace {

const QString kRelatorio = QStringLiteral("Resultado de Análise Numerológica:\r\n\r\n"
                                          "Nome: ANA SOUZA\r\n{chaves}\r\n");

QByteArray conteudo(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExportaWord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_pasta->path()).mkdir(QStringLiteral("tmp")));
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    }

    void abreOProcessadorComORelatorioENaAreaDeTransferencia()
    {
        // Stand-in word processor: records its arguments and keeps a copy of the document.
        const QString registro = m_pasta->filePath(QStringLiteral("argumentos.txt"));
        const QString programa = m_pasta->filePath(QStringLiteral("processador de textos.sh"));
        QFile script(programa);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\ncp \"$1\" '%1.doc'\nprintf '%s\\n' \"$@\" > '%1.tmp'\n"
                           "mv '%1.tmp' '%1'\n")
                .arg(registro)
                .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta->filePath(QStringLiteral("tmp")));
        QVERIFY(exporta.exporta(kRelatorio, programa));
        QCOMPARE(caixa.quantidade(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), kRelatorio);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(registro), 10000);
        const QStringList argumentos
            = QString::fromUtf8(conteudo(registro)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(argumentos.size(), 1);
        QVERIFY(argumentos.constFirst().startsWith(m_pasta->filePath(QStringLiteral("tmp/"))));
        // A new RTF document in Windows-1252: accents and braces survive, one line a paragraph.
        const QByteArray documento = conteudo(registro + QStringLiteral(".doc"));
        QVERIFY(documento.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(documento.contains(
            "An\\'e1lise Numerol\\'f3gica:\\par\r\n\\par\r\nNome: ANA SOUZA\\par"));
        QVERIFY(documento.contains("\\{chaves\\}\\par\r\n}"));
    }

    // The temporary folder does not fill: this user's exports the word processor has long
    // read go at the next export; a young one, another user's and other files stay.
    void exportacoesAntigasSaoApagadas()
    {
        QDir tmp(m_pasta->filePath(QStringLiteral("tmp")));
        const auto cria = [&tmp](const char *nome, qint64 idade) {
            QFile f(tmp.filePath(QString::fromLatin1(nome)));
            return f.open(QIODevice::WriteOnly)
                && f.setFileTime(QDateTime::currentDateTime().addSecs(-idade),
                    QFileDevice::FileModificationTime);
        };
        QVERIFY(cria("Vistral-antiga.rtf", 3600) && cria("Vistral-recnte.rtf", 5)
            && cria("Vistral-notas do dia.rtf", 3600) && cria("Vistral-alheia.rtf", 3600));
        QStringList ficam = {QStringLiteral("Vistral-alheia.rtf"),
            QStringLiteral("Vistral-notas do dia.rtf"), QStringLiteral("Vistral-recnte.rtf")};
        // Only root can give a file to another user; elsewhere that case is left out.
        if (::chown(QFile::encodeName(tmp.filePath(ficam[0])), ::getuid() + 1, ::getgid()) != 0)
            QVERIFY(tmp.remove(ficam.takeFirst()));

        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(tmp.path());
        QVERIFY(exporta.exporta(kRelatorio, QStringLiteral("/bin/true")));
        QStringList depois = tmp.entryList(QDir::Files);
        for (const QString &nome : ficam)
            QVERIFY2(depois.removeOne(nome), qPrintable(nome));
        QCOMPARE(depois.size(), 1); // the new export
    }

    // Without a program at the path the desktop's application for RTF gets the document;
    // the message comes only when that fails too, or when the program there cannot start.
    void semProcessadorAbreNoDesktopOuAvisa_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<bool>("desktopAbre");
        QTest::addColumn<bool>("desktopPerguntado");
        QTest::newRow("inexistente, o desktop abre")
            << QStringLiteral("/nao/lowriter") << true << true;
        QTest::newRow("inexistente, o desktop falha")
            << QStringLiteral("/nao/existe/WinWord.Exe") << false << true;
        QTest::newRow("caminho vazio") << QString() << false << true;
        QTest::newRow("existe mas não inicia") << QStringLiteral("/") << true << false;
    }

    void semProcessadorAbreNoDesktopOuAvisa()
    {
        QFETCH(QString, caminho);
        QFETCH(bool, desktopAbre);
        QFETCH(bool, desktopPerguntado);
        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta->filePath(QStringLiteral("tmp")));
        QList<QUrl> pedidos;
        exporta.usaDesktop([&](const QUrl &documento) {
            pedidos.append(documento);
            return desktopAbre;
        });
        const bool abriu = desktopAbre && desktopPerguntado;
        QCOMPARE(exporta.exporta(kRelatorio, caminho), abriu);
        QCOMPARE(pedidos.size(), int(desktopPerguntado));
        QCOMPARE(
            QGuiApplication::clipboard()->text(), abriu ? kRelatorio : QStringLiteral("antes"));
        if (abriu) {
            QCOMPARE(caixa.quantidade(), 0);
            QVERIFY(conteudo(pedidos.constFirst().toLocalFile()).startsWith("{\\rtf1"));
            return;
        }
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro Iniciando Aplicativo:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Vistral não conseguiu localizar o Arquivo de Execução do "
                           "Microsoft® Word. Para configurá-lo manualmente, vá ao menu "
                           "Arquivo e selecione Opções."));
        QVERIFY(QDir(m_pasta->filePath(QStringLiteral("tmp"))).isEmpty());
    }

    // Unlike printing, an empty report gives the same message as a missing one.
    void semRelatorioOuVazioNaoAbreNada_data()
    {
        QTest::addColumn<OrigemRelatorio>("origem");
        QTest::newRow("nenhuma janela de resultado") << OrigemRelatorio();
        QTest::newRow("resultado vazio") << OrigemRelatorio(QString());
    }

    void semRelatorioOuVazioNaoAbreNada()
    {
        QFETCH(OrigemRelatorio, origem);
        CaixaMensagemGravada caixa;
        ExportaWord exporta(caixa);
        exporta.usaPastaTemporaria(m_pasta->filePath(QStringLiteral("tmp")));
        QVERIFY(!exporta.exporta(origem, QStringLiteral("/bin/true")));
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro lendo dados de origem:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Não foi possível localizar um relatório de análise aberto, crie-o, "
                           "selecione-o e então repita a operação."));
        QCOMPARE(caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
        QVERIFY(QDir(m_pasta->filePath(QStringLiteral("tmp"))).isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_pasta;
};

QTEST_MAIN(TestExportaWord)
#include "tst_exportaword.moc"
