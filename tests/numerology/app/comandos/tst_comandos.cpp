// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ArquivosDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "app/frmPrincipal.h"
#include "app/frmResultado.h"
#include "app/opcoes/frmAjuda.h"
#include "app/opcoes/frmDicasDoDia.h"
#include "app/opcoes/frmOpcoes.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The main window's tool buttons and menu items reach the partial and weekly analyses,
// export, options, help and the tip of the day.
class TestComandos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(ArquivosDeTeste::gravaTodos(m_pasta->path()));
        QVERIFY(grava("Vistral.Dat", "/nao/existe/editor\r\n") && grava("enableit.dat", "S\r\n"));
        m_caixa.limpa();
        m_principal = std::make_unique<frmPrincipal>(
            m_pasta->path(), &m_caixa, [] { return QDate(1998, 12, 28); });
        m_principal->MDIForm_Load();
        m_principal->NomeAnalisado = QStringLiteral("Ana Souza");
        m_principal->DataNascimento = QStringLiteral("25/12/1970");
    }

    void todosOsComandosEstaoDisponiveis()
    {
        for (const char *nome :
            {"cmdRelatorio", "cmdNumerologiaParcial", "cmdApenasSemanal", "cmdExportarWord",
                "cmdImprimir", "cmdAjuda", "cmdSair", "mnuOpções", "mnuSair", "mnuAjudaPrograma"}) {
            QObject *comando = m_principal->findChild<QObject *>(QString::fromUtf8(nome));
            QVERIFY2(comando && comando->property("enabled").toBool(), nome);
        }
    }

    void parcialESemanalAbremJanelasDeResultado()
    {
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
        QVERIFY(m_principal->documentoAtivo()->texto.contains(QStringLiteral("03/jan/1999")));
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
        QVERIFY(m_principal->resultados().isEmpty());
        m_principal->findChild<QToolButton *>(botao)->click();
        QCOMPARE(m_caixa.quantidade(), 1);
        QCOMPARE(m_caixa.ultimo().titulo, QStringLiteral("Erro lendo dados de origem:"));
        QCOMPARE(m_caixa.ultimo().texto,
            QStringLiteral("Não foi possível localizar um relatório de análise aberto, crie-o, "
                           "selecione-o e então repita a operação."));
        QCOMPARE(m_caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
    }

    void caminhoEscolhidoNasOpcoesServeAProximaExportacao()
    {
        const QString recebido = m_pasta->filePath(QStringLiteral("recebido.rtf"));
        const QString programa = m_pasta->filePath(QStringLiteral("editor.sh"));
        QVERIFY(grava("editor.sh",
            QStringLiteral("#!/bin/sh\ncp \"$1\" '%1.tmp'\nmv '%1.tmp' '%1'\n")
                .arg(recebido)
                .toUtf8()));
        QFile::setPermissions(programa, QFile::permissions(programa) | QFileDevice::ExeOwner);
        m_principal->CriaRelatorioParcial();

        QTimer::singleShot(0, m_principal.get(), [&] {
            auto *opcoes = m_principal->findChild<frmOpcoes *>();
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

        m_principal->findChild<QToolButton *>(QStringLiteral("cmdExportarWord"))->click();
        QCOMPARE(m_caixa.quantidade(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recebido), 10000);
        QFile documento(recebido);
        QVERIFY(documento.open(QIODevice::ReadOnly));
        QVERIFY(documento.readAll().contains("Resultado de An\\'e1lise Numerol\\'f3gica Parcial:"));
    }

    void ajudaMostraOArquivoDaPastaOuAvisa()
    {
        m_principal->findChild<QToolButton *>(QStringLiteral("cmdAjuda"))->click();
        QCOMPARE(m_caixa.quantidade(), 1);
        QVERIFY(m_caixa.ultimo().texto.contains(QStringLiteral("Vistral.html")));

        QVERIFY(grava("Vistral.html", "<html><body><p>Como imprimir</p></body></html>"));
        m_principal->findChild<QAction *>(QStringLiteral("mnuAjudaPrograma"))->trigger();
        m_principal->findChild<QAction *>(QStringLiteral("mnuAjudaPrograma"))->trigger();
        const QList<frmAjuda *> janelas = m_principal->findChildren<frmAjuda *>();
        QCOMPARE(janelas.size(), 1);
        QVERIFY(janelas.constFirst()->isVisible());
        janelas.constFirst()->close();
    }

    void dicaDoDiaAbreNoInicioQuandoPedida()
    {
        QVERIFY(grava("dicas.inc", "S\r\n"));
        bool mostrada = false;
        QTimer::singleShot(0, this, [&] {
            auto *dica = qobject_cast<frmDicasDoDia *>(QApplication::activeModalWidget());
            mostrada = dica != nullptr;
            if (dica)
                dica->findChild<QPushButton *>(QStringLiteral("cmdProsseguir"))->click();
        });
        frmPrincipal outra(m_pasta->path(), &m_caixa);
        outra.MDIForm_Load();
        QVERIFY(mostrada);
    }

private:
    bool grava(const char *nome, const QByteArray &bytes) const
    {
        QFile f(m_pasta->filePath(QString::fromLatin1(nome)));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    std::unique_ptr<QTemporaryDir> m_pasta;
    CaixaMensagemGravada m_caixa;
    std::unique_ptr<frmPrincipal> m_principal;
};

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
