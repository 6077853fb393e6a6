#include "CaixaMensagemGravada.h"
#include "app/opcoes/frmOpcoes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

bool grava(const QString &pasta, const QString &nome, const QByteArray &bytes)
{
    QFile f(QDir(pasta).filePath(nome));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray conteudo(const QString &pasta, const QString &nome)
{
    QFile f(QDir(pasta).filePath(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
}

template <typename T> T *controle(const QWidget &janela, const char *nome)
{
    return janela.findChild<T *>(QString::fromLatin1(nome));
}

} // namespace

class TestOpcoes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pasta->isValid());
        // Written by hand, without line ends, so that a rewrite shows.
        QVERIFY(grava(pasta(), QStringLiteral("Vistral.Dat"), "/opt/escritorio/editor"));
        QVERIFY(grava(pasta(), QStringLiteral("dicas.inc"), "N"));
        QVERIFY(grava(pasta(), QStringLiteral("enableit.dat"), "S"));
    }

    void carregaOsArquivosEOCaminho()
    {
        CaixaMensagemGravada caixa;
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), caixa);
        QCOMPARE(opcoes.windowTitle(), QStringLiteral("Defina Opções..."));
        QVERIFY(controle<QCheckBox>(opcoes, "chkInternet")->isChecked());
        QVERIFY(!controle<QCheckBox>(opcoes, "chkDicas")->isChecked());
        auto *caminho = controle<QLineEdit>(opcoes, "txtDiretorioWord");
        QCOMPARE(caminho->text(), QStringLiteral("/usr/bin/lowriter"));
        QVERIFY(caminho->isReadOnly());
    }

    void okRegravaOsTresArquivos_data()
    {
        QTest::addColumn<bool>("marcaDicas");
        QTest::addColumn<QByteArray>("dicas");
        QTest::newRow("sem mudanças") << false << QByteArray("N\r\n");
        QTest::newRow("com a dica marcada") << true << QByteArray("S\r\n");
    }

    void okRegravaOsTresArquivos()
    {
        QFETCH(bool, marcaDicas);
        QFETCH(QByteArray, dicas);
        CaixaMensagemGravada caixa;
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), caixa);
        if (marcaDicas)
            QTest::mouseClick(controle<QCheckBox>(opcoes, "chkDicas"), Qt::LeftButton);
        QTimer::singleShot(
            0, &opcoes, [&] { controle<QPushButton>(opcoes, "cmdRetornar")->click(); });

        QCOMPARE(opcoes.exec(), int(QDialog::Accepted));
        QCOMPARE(
            conteudo(pasta(), QStringLiteral("Vistral.Dat")), QByteArray("/usr/bin/lowriter\r\n"));
        QCOMPARE(conteudo(pasta(), QStringLiteral("dicas.inc")), dicas);
        QCOMPARE(conteudo(pasta(), QStringLiteral("enableit.dat")), QByteArray("S\r\n"));
        QCOMPARE(opcoes.caminhoWord(), QStringLiteral("/usr/bin/lowriter"));
        QVERIFY(opcoes.usarInternet());
        QCOMPARE(caixa.quantidade(), 0);
    }

    void fecharDescartaAsMudancas()
    {
        CaixaMensagemGravada caixa;
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), caixa);
        QTimer::singleShot(0, &opcoes, [&] {
            QTest::mouseClick(controle<QCheckBox>(opcoes, "chkInternet"), Qt::LeftButton);
            QTest::mouseClick(controle<QCheckBox>(opcoes, "chkDicas"), Qt::LeftButton);
            opcoes.close();
        });
        QCOMPARE(opcoes.exec(), int(QDialog::Rejected));
        QCOMPARE(
            conteudo(pasta(), QStringLiteral("Vistral.Dat")), QByteArray("/opt/escritorio/editor"));
        QCOMPARE(conteudo(pasta(), QStringLiteral("dicas.inc")), QByteArray("N"));
        QCOMPARE(conteudo(pasta(), QStringLiteral("enableit.dat")), QByteArray("S"));
    }

    void alterarEscolheOProgramaNoDialogoDeArquivos_data()
    {
        QTest::addColumn<bool>("confirma");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("arquivo escolhido") << true << QStringLiteral("editor de textos");
        QTest::newRow("cancelado") << false << QStringLiteral("editor de textos");
        QTest::newRow("caminho que não cabe no arquivo") << true << QStringLiteral("редактор");
    }

    void alterarEscolheOProgramaNoDialogoDeArquivos()
    {
        QFETCH(bool, confirma);
        QFETCH(QString, arquivo);
        const QString programa = m_pasta->filePath(arquivo);
        QFile executavel(programa);
        QVERIFY(executavel.open(QIODevice::WriteOnly));
        executavel.close();

        CaixaMensagemGravada caixa;
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), caixa);
        QString titulo;
        QStringList filtros;
        QTimer::singleShot(0, &opcoes, [&] {
            auto *dialogo = opcoes.findChild<QFileDialog *>(QStringLiteral("cmmDialogo"));
            QVERIFY(dialogo && dialogo->isVisible());
            titulo = dialogo->windowTitle();
            filtros = dialogo->nameFilters();
            dialogo->selectFile(programa);
            if (confirma)
                static_cast<QDialog *>(dialogo)->accept();
            else
                dialogo->reject();
        });
        controle<QPushButton>(opcoes, "cmdAlterarMicroWord")->click();

        QCOMPARE(titulo, QStringLiteral("Selecione o Arquivo que Executa o Word"));
        QCOMPARE(filtros.value(0), QStringLiteral("Arquivos Executáveis (*.exe *.EXE)"));
        const bool aceito = confirma && arquivo.at(0).unicode() < 0x80;
        QCOMPARE(opcoes.caminhoWord(), aceito ? programa : QStringLiteral("/usr/bin/lowriter"));
        QCOMPARE(caixa.quantidade(), confirma && !aceito ? 1 : 0);
    }

    void falhaAoGravarMantemODialogoENaoGravaOsSeguintes()
    {
        // "Vistral.Dat" cannot be replaced by a file while a folder holds its name.
        QVERIFY(QFile::remove(m_pasta->filePath(QStringLiteral("Vistral.Dat"))));
        QVERIFY(QDir(pasta()).mkdir(QStringLiteral("Vistral.Dat")));
        CaixaMensagemGravada caixa;
        frmOpcoes opcoes(pasta(), QStringLiteral("/usr/bin/lowriter"), caixa);
        opcoes.show();
        controle<QPushButton>(opcoes, "cmdRetornar")->click();

        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY(caixa.ultimo().texto.contains(QStringLiteral("Vistral.Dat")));
        QVERIFY(opcoes.isVisible());
        QCOMPARE(conteudo(pasta(), QStringLiteral("dicas.inc")), QByteArray("N"));
    }

private:
    QString pasta() const { return m_pasta->path(); }

    std::unique_ptr<QTemporaryDir> m_pasta;
};

QTEST_MAIN(TestOpcoes)
#include "tst_opcoes.moc"
