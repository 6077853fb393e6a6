// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "Cp1252.h"
#include "app/opcoes/frmDicasDoDia.h"
#include "app/opcoes/frmOpcoes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString dica(int n)
{
    return QStringLiteral("Dica número %1: a numerologia ajuda no autoconhecimento.").arg(n);
}

} // namespace

// The tip of the day and the options dialog, on the settings files of a program folder.
class TestDicasOpcoes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        // Written without line ends, so that a rewrite shows.
        QVERIFY(grava("Vistral.Dat", "/opt/escritorio/editor"));
        QVERIFY(grava("dicas.inc", "S"));
        QVERIFY(grava("enableit.dat", "N"));
        m_caixa.limpa();
    }

    void dicaSorteadaSoEntreAs37Primeiras()
    {
        QVERIFY(gravaDicas(45));
        QSet<QString> vistas;
        for (int i = 0; i < 1500; ++i)
            vistas.insert(dicaMostrada(frmDicasDoDia(pasta(), m_caixa)));
        QSet<QString> primeiras;
        for (int n = 1; n <= 37; ++n)
            primeiras.insert(dica(n));
        QCOMPARE(vistas, primeiras);
    }

    void arquivoDeDicasCurtoOuAusenteAindaAbre_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("curto: a última linha lida") << 3 << dica(3);
        QTest::newRow("ausente: sem dica") << 0 << QString();
    }

    void arquivoDeDicasCurtoOuAusenteAindaAbre()
    {
        QFETCH(int, linhas);
        QFETCH(QString, esperada);
        QVERIFY(linhas == 0 || gravaDicas(linhas));
        frmDicasDoDia dialogo(pasta(), m_caixa, [] { return 0.99; });
        QCOMPARE(dicaMostrada(dialogo), esperada);
        QTimer::singleShot(0, &dialogo, [&] {
            QVERIFY(dialogo.isVisible());
            dialogo.findChild<QPushButton *>(QStringLiteral("cmdProsseguir"))->click();
        });
        QCOMPARE(dialogo.exec(), int(QDialog::Accepted));
    }

    void clicarNaCaixaDaDicaRegravaNaHora()
    {
        frmDicasDoDia dialogo(pasta(), m_caixa);
        auto *chk = dialogo.findChild<QCheckBox *>(QStringLiteral("chkExibeDicas"));
        QVERIFY(chk->isChecked());
        QTest::mouseClick(chk, Qt::LeftButton);
        QCOMPARE(conteudo("dicas.inc"), QByteArray("N\r\n"));
        QTest::mouseClick(chk, Qt::LeftButton);
        QCOMPARE(conteudo("dicas.inc"), QByteArray("S\r\n"));
    }

    void okSemMudancasRegravaOsTresArquivos()
    {
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), m_caixa);
        QVERIFY(!opcoes.findChild<QCheckBox *>(QStringLiteral("chkInternet"))->isChecked());
        QVERIFY(opcoes.findChild<QCheckBox *>(QStringLiteral("chkDicas"))->isChecked());
        QTimer::singleShot(0, &opcoes,
            [&] { opcoes.findChild<QPushButton *>(QStringLiteral("cmdRetornar"))->click(); });
        QCOMPARE(opcoes.exec(), int(QDialog::Accepted));
        QCOMPARE(conteudo("Vistral.Dat"), QByteArray("/usr/bin/lowriter\r\n"));
        QCOMPARE(conteudo("dicas.inc"), QByteArray("S\r\n"));
        QCOMPARE(conteudo("enableit.dat"), QByteArray("N\r\n"));
        QVERIFY(!opcoes.usarInternet());
    }

    // One settings file that cannot be replaced (here a folder in its place): none is.
    void okQueNaoGravaUmArquivoNaoTrocaNenhum()
    {
        QVERIFY(QFile::remove(m_pasta->filePath(QStringLiteral("enableit.dat"))));
        QVERIFY(QDir(pasta()).mkdir(QStringLiteral("enableit.dat")));
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), m_caixa);
        opcoes.show();
        opcoes.findChild<QPushButton *>(QStringLiteral("cmdRetornar"))->click();
        QCOMPARE(m_caixa.textos(),
            QStringList{QStringLiteral("Não foi possível gravar as opções no arquivo "
                                       "\"enableit.dat\" da pasta do programa.")});
        QVERIFY(opcoes.isVisible());
        QCOMPARE(conteudo("Vistral.Dat"), QByteArray("/opt/escritorio/editor"));
        QCOMPARE(conteudo("dicas.inc"), QByteArray("S"));
        QCOMPARE(QDir(pasta()).entryList(QDir::Files).size(), 2); // nothing left aside
    }

    void fecharAsOpcoesDescarta()
    {
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), m_caixa);
        QTimer::singleShot(0, &opcoes, [&] {
            QTest::mouseClick(
                opcoes.findChild<QCheckBox *>(QStringLiteral("chkDicas")), Qt::LeftButton);
            opcoes.close();
        });
        QCOMPARE(opcoes.exec(), int(QDialog::Rejected));
        QCOMPARE(conteudo("Vistral.Dat"), QByteArray("/opt/escritorio/editor"));
        QCOMPARE(conteudo("dicas.inc"), QByteArray("S"));
    }

    void alterarUsaODialogoDeArquivos_data()
    {
        QTest::addColumn<bool>("confirma");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("escolhido") << true << QStringLiteral("editor de textos") << true;
        QTest::newRow("cancelado") << false << QStringLiteral("editor de textos") << false;
        QTest::newRow("caminho fora do Windows-1252")
            << true << QStringLiteral("редактор") << false;
    }

    void alterarUsaODialogoDeArquivos()
    {
        QFETCH(bool, confirma);
        QFETCH(QString, arquivo);
        QFETCH(bool, aceito);
        const QString programa = m_pasta->filePath(arquivo);
        QVERIFY(QFile(programa).open(QIODevice::WriteOnly));
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), m_caixa);
        QTimer::singleShot(0, &opcoes, [&] {
            auto *dialogo = opcoes.findChild<QFileDialog *>(QStringLiteral("cmmDialogo"));
            QCOMPARE(
                dialogo->windowTitle(), QStringLiteral("Selecione o Arquivo que Executa o Word"));
            QCOMPARE(
                dialogo->nameFilters().value(0), QStringLiteral("Arquivos Executáveis (*.exe)"));
            QVERIFY(!dialogo->filter().testFlag(QDir::CaseSensitive));
            dialogo->selectFile(programa);
            confirma ? static_cast<QDialog *>(dialogo)->accept() : dialogo->reject();
        });
        opcoes.findChild<QPushButton *>(QStringLiteral("cmdAlterarMicroWord"))->click();
        QCOMPARE(opcoes.caminhoWord(), aceito ? programa : QStringLiteral("/usr/bin/lowriter"));
        QCOMPARE(m_caixa.quantidade(), confirma && !aceito ? 1 : 0);
    }

private:
    QString pasta() const { return m_pasta->path(); }

    bool grava(const char *nome, const QByteArray &bytes) const
    {
        QFile f(m_pasta->filePath(QString::fromLatin1(nome)));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    QByteArray conteudo(const char *nome) const
    {
        QFile f(m_pasta->filePath(QString::fromLatin1(nome)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
    }

    bool gravaDicas(int quantidade) const
    {
        QByteArray bytes;
        for (int n = 1; n <= quantidade; ++n)
            bytes += cp1252::codifica(dica(n)) + "\r\n";
        return grava("byday.arq", bytes);
    }

    static QString dicaMostrada(const frmDicasDoDia &dialogo)
    {
        return dialogo.findChild<QLabel *>(QStringLiteral("lblDica"))->text();
    }

    std::unique_ptr<QTemporaryDir> m_pasta;
    CaixaMensagemGravada m_caixa;
};

QTEST_MAIN(TestDicasOpcoes)
#include "tst_dicasopcoes.moc"
