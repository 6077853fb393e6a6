#include "../../ArquivosDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "app/frmPrincipal.h"
#include "app/frmResultado.h"
#include "app/impressao/DocumentoRtf.h"
#include "app/opcoes/frmAjuda.h"
#include "app/opcoes/frmDicasDoDia.h"
#include "app/opcoes/frmOpcoes.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QByteArray conteudo(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool grava(const QString &arquivo, const QByteArray &bytes)
{
    QFile f(arquivo);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QString kSemRelatorio = QStringLiteral("Não foi possível localizar um relatório de análise "
                                             "aberto, crie-o, selecione-o e então repita a "
                                             "operação.");

} // namespace

// The main window's tool buttons and menu items reach the partial and weekly analyses,
// printing, export, options, help and the tip of the day.
class TestComandos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(ArquivosDeTeste::gravaTodos(pasta()));
        QVERIFY(grava(arquivo("Vistral.Dat"), "/nao/existe/editor\r\n"));
        QVERIFY(grava(arquivo("enableit.dat"), "S\r\n"));
        QVERIFY(grava(arquivo("dicas.inc"), "N\r\n"));
        m_caixa = std::make_unique<CaixaMensagemGravada>();
        m_principal = std::make_unique<frmPrincipal>(
            pasta(), m_caixa.get(), [] { return QDate(1998, 12, 28); });
        m_principal->MDIForm_Load();
    }

    void cleanup()
    {
        m_principal.reset();
        m_pasta.reset();
    }

    void todosOsComandosEstaoDisponiveis_data()
    {
        QTest::addColumn<QString>("nome");
        for (const char *nome : {"cmdRelatorio", "cmdNumerologiaParcial", "cmdApenasSemanal",
                 "cmdExportarWord", "cmdImprimir", "cmdAjuda", "cmdSair"})
            QTest::newRow(nome) << QString::fromLatin1(nome);
        for (const char *nome : {"mnuOpções", "mnuSair", "mnuAjudaPrograma"})
            QTest::newRow(nome) << QString::fromUtf8(nome);
    }

    void todosOsComandosEstaoDisponiveis()
    {
        QFETCH(QString, nome);
        QObject *comando = m_principal->findChild<QObject *>(nome);
        QVERIFY(comando);
        QVERIFY(comando->property("enabled").toBool());
    }

    void analisesParcialESemanalAbremJanelas()
    {
        m_principal->NomeAnalisado = QStringLiteral("Ana Souza");
        m_principal->DataNascimento = QStringLiteral("25/12/1970");
        m_principal->CaminhoDaVida = 0;
        m_principal->CriaRelatorioParcial();
        QCOMPARE(m_principal->CaminhoDaVida, 9);
        m_principal->DataNascimento = QStringLiteral("15/07/1960");
        m_principal->CriaRelatorioSemanal();
        QCOMPARE(m_principal->CaminhoDaVida, 9);

        const QList<frmResultado *> janelas = m_principal->resultados();
        QCOMPARE(janelas.size(), 2);
        QCOMPARE(janelas.at(0)->windowTitle(),
            QStringLiteral("Análise Numerológica Parcial de ANA SOUZA"));
        QCOMPARE(janelas.at(1)->windowTitle(),
            QStringLiteral("Análise Numerológica Semanal de ANA SOUZA"));
        QVERIFY(m_principal->documentoAtivo()->texto.contains(
            QStringLiteral("Interpretações do Dia Pessoal para 03/jan/1999: ")));
        QCOMPARE(m_principal->findChild<QLabel *>(QStringLiteral("pnlInfo"))->text(),
            QStringLiteral("Pronto"));
    }

    void semJanelaDeResultadoImprimirEExportarAvisam_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("imprimir") << QStringLiteral("cmdImprimir");
        QTest::newRow("exportar") << QStringLiteral("cmdExportarWord");
    }

    void semJanelaDeResultadoImprimirEExportarAvisam()
    {
        QFETCH(QString, botao);
        m_principal->findChild<QToolButton *>(botao)->click();
        QCOMPARE(m_caixa->quantidade(), 1);
        QCOMPARE(m_caixa->ultimo().titulo, QStringLiteral("Erro lendo dados de origem:"));
        QCOMPARE(m_caixa->ultimo().texto, kSemRelatorio);
    }

    void caminhoEscolhidoNasOpcoesServeAProximaExportacao()
    {
        const QString registro = arquivo("documento.rtf");
        const QString programa = arquivo("editor.sh");
        QVERIFY(grava(programa,
            QStringLiteral("#!/bin/sh\ncp \"$1\" '%1.parcial'\nmv '%1.parcial' '%1'\n")
                .arg(registro)
                .toUtf8()));
        QFile::setPermissions(programa, QFile::permissions(programa) | QFileDevice::ExeOwner);

        m_principal->NomeAnalisado = QStringLiteral("Ana Souza");
        m_principal->DataNascimento = QStringLiteral("25/12/1970");
        m_principal->CriaRelatorioParcial();

        QTimer::singleShot(0, m_principal.get(), [&] {
            auto *opcoes = m_principal->findChild<frmOpcoes *>();
            QVERIFY(opcoes && opcoes->isVisible());
            QTimer::singleShot(0, opcoes, [&, opcoes] {
                auto *dialogo = opcoes->findChild<QFileDialog *>(QStringLiteral("cmmDialogo"));
                dialogo->selectFile(programa);
                static_cast<QDialog *>(dialogo)->accept();
            });
            opcoes->findChild<QPushButton *>(QStringLiteral("cmdAlterarMicroWord"))->click();
            opcoes->findChild<QPushButton *>(QStringLiteral("cmdRetornar"))->click();
        });
        m_principal->findChild<QAction *>(QStringLiteral("mnuOpções"))->trigger();
        QCOMPARE(m_principal->CaminhoWord, programa);
        QCOMPARE(conteudo(arquivo("Vistral.Dat")), programa.toUtf8() + "\r\n");

        m_principal->findChild<QToolButton *>(QStringLiteral("cmdExportarWord"))->click();
        QCOMPARE(m_caixa->quantidade(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(registro), 10000);
        QCOMPARE(conteudo(registro), DocumentoRtf(m_principal->documentoAtivo()->texto));
    }

    void ajudaAbreAJanelaDeAjuda()
    {
        m_principal->findChild<QToolButton *>(QStringLiteral("cmdAjuda"))->click();
        QCOMPARE(m_caixa->quantidade(), 1);
        QVERIFY(m_caixa->ultimo().texto.contains(QStringLiteral("Vistral.html")));

        QVERIFY(grava(arquivo("Vistral.html"), "<html><body><p>Ajuda</p></body></html>"));
        m_principal->findChild<QAction *>(QStringLiteral("mnuAjudaPrograma"))->trigger();
        auto *ajuda = m_principal->findChild<frmAjuda *>();
        QVERIFY(ajuda && ajuda->isVisible());
        ajuda->close();
    }

    void dicaDoDiaAbreNoInicioQuandoPedida()
    {
        QVERIFY(grava(arquivo("dicas.inc"), "S\r\n"));
        QVERIFY(grava(arquivo("byday.arq"), "Uma dica\r\n"));
        bool mostrada = false;
        QTimer::singleShot(0, this, [&] {
            auto *dica = qobject_cast<frmDicasDoDia *>(QApplication::activeModalWidget());
            mostrada = dica != nullptr;
            if (dica)
                dica->findChild<QPushButton *>(QStringLiteral("cmdProsseguir"))->click();
        });
        frmPrincipal outra(pasta(), m_caixa.get());
        outra.MDIForm_Load();
        QVERIFY(mostrada);
    }

private:
    QString pasta() const { return m_pasta->path(); }
    QString arquivo(const char *nome) const { return m_pasta->filePath(QString::fromLatin1(nome)); }

    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<CaixaMensagemGravada> m_caixa;
    std::unique_ptr<frmPrincipal> m_principal;
};

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
