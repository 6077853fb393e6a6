// SPDX-License-Identifier: GPL-3.0-or-later
#include "../ArquivosDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "CursorOcupado.h"
#include "app/frmEntraDados.h"
#include "app/frmPrincipal.h"
#include "app/frmResultado.h"
#include "engine/RelatorioCompleto.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const QDate Hoje(1998, 3, 2);

// Fills the input dialog as soon as it is open: a null name means Cancel.
void respondeDialogo(const QString &nome, const QString &digitos = QStringLiteral("25121970"))
{
    QTimer::singleShot(0, [nome, digitos] {
        auto *dialogo = qobject_cast<frmEntraDados *>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        if (nome.isNull()) {
            dialogo->findChild<QPushButton *>(QStringLiteral("cmdCancelar"))->click();
            return;
        }
        dialogo->findChild<QLineEdit *>(QStringLiteral("txtNome"))->setText(nome);
        auto *data = dialogo->findChild<QLineEdit *>(QStringLiteral("mskDataNasc"));
        data->setFocus();
        data->home(false);
        QTest::keyClicks(data, digitos);
        dialogo->findChild<QPushButton *>(QStringLiteral("cmdOkay"))->click();
    });
}

} // namespace

class TestFrmPrincipal : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_pasta;

    struct Janela
    {
        CaixaMensagemGravada caixa;
        frmPrincipal janela;
        explicit Janela(const QString &pasta)
            : janela(pasta, &caixa, [] { return Hoje; })
        { }
        QString status() const
        {
            return janela.findChild<QLabel *>(QStringLiteral("pnlInfo"))->text();
        }
        QToolButton *botao(const QString &nome) const
        {
            return janela.findChild<QToolButton *>(nome);
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(ArquivosDeTeste::gravaTodos(m_pasta.path()));
        Configura(m_pasta.path());
    }

    static void Configura(const QString &pasta)
    {
        QFile internet(QDir(pasta).filePath(QStringLiteral("enableit.dat")));
        QVERIFY(internet.open(QIODevice::WriteOnly));
        internet.write("S\r\n");
    }

    void primeiraExecucaoNumaPastaVazia()
    {
        QTemporaryDir vazia;
        Janela j(vazia.path());
        j.caixa.responde({CaixaMensagem::Resposta::Nao});
        j.caixa.aoMostrar([&j](const CaixaMensagemGravada::Registro &) {
            QVERIFY(j.janela.isVisible()); // the question comes over the main window
        });
        j.janela.MDIForm_Load();
        QCOMPARE(j.caixa.quantidade(), 1);
        QCOMPARE(j.caixa.ultimo().titulo, QStringLiteral("Permitir Novidades via Internet:"));
        QVERIFY(!j.janela.UsarInternet);
        QCOMPARE(j.janela.CaminhoWord, QStringLiteral("/usr/bin/lowriter"));
        QFile word(QDir(vazia.path()).filePath(QStringLiteral("Vistral.Dat")));
        QVERIFY(word.open(QIODevice::ReadOnly));
        QCOMPARE(word.readAll(), QByteArray("/usr/bin/lowriter\r\n"));
        QFile internet(QDir(vazia.path()).filePath(QStringLiteral("enableit.dat")));
        QVERIFY(internet.open(QIODevice::ReadOnly));
        QCOMPARE(internet.readAll(), QByteArray("N\r\n"));
        QVERIFY(!QFile::exists(QDir(vazia.path()).filePath(QStringLiteral("dicas.inc"))));
        QVERIFY(j.janela.isVisible());
        QCOMPARE(j.janela.windowTitle(), QStringLiteral("Quorvane® Vistral"));
        QCOMPARE(j.status(), QStringLiteral("Pronto"));
        QVERIFY(!CursorOcupado::ativo());
    }

    void botoesDaBarra_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("posicao");
        QTest::addColumn<QString>("dica");
        QTest::newRow("0") << "cmdRelatorio" << 0 << "Análise Numerológica Completa";
        QTest::newRow("1") << "cmdNumerologiaParcial" << 1 << "Análise Numerológica Parcial";
        QTest::newRow("2") << "cmdApenasSemanal" << 2 << "Análise Numerológica Semanal";
        QTest::newRow("3") << "cmdExportarWord" << 3
                           << "Exporta os dados da análise atual para o Microsoft® Word";
        QTest::newRow("4") << "cmdImprimir" << 4
                           << "Imprime o Conteúdo da Análise Atual diretamente na Impressora";
        QTest::newRow("5") << "cmdAjuda" << 5 << "Exibe a Ajuda de Vistral";
        QTest::newRow("6") << "cmdSair" << 6 << "Encerra Vistral";
    }
    void botoesDaBarra()
    {
        QFETCH(QString, nome);
        QFETCH(int, posicao);
        QFETCH(QString, dica);
        Janela j(m_pasta.path());
        QToolButton *b = j.botao(nome);
        QVERIFY(b);
        QCOMPARE(b->parentWidget()->objectName(), QStringLiteral("pnlToolBar"));
        QCOMPARE(b->toolTip(), dica);
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->geometry(), QRect((45 + 720 * posicao) / 15, 3, 43, 40));
    }

    void menusEBarraDeStatus()
    {
        Janela j(m_pasta.path());
        QCOMPARE(j.janela.findChild<QMenu *>(QStringLiteral("mnuArquivo"))->title(),
            QStringLiteral("&Arquivo"));
        QCOMPARE(j.janela.findChild<QMenu *>(QStringLiteral("mnuAjuda"))->title(),
            QStringLiteral("A&juda"));
        QCOMPARE(j.janela.findChild<QAction *>(QStringLiteral("mnuOpções"))->text(),
            QStringLiteral("O&pções"));
        QVERIFY(j.janela.findChild<QAction *>(QStringLiteral("mnuNulo"))->isSeparator());
        QCOMPARE(j.janela.findChild<QAction *>(QStringLiteral("mnuSair"))->text(),
            QStringLiteral("Sai&r"));
        auto *ajuda = j.janela.findChild<QAction *>(QStringLiteral("mnuAjudaPrograma"));
        QCOMPARE(ajuda->text(), QStringLiteral("Exibir a Ajuda do Programa"));
        QCOMPARE(ajuda->shortcut(), QKeySequence(Qt::Key_F1));

        QCOMPARE(j.status(), QStringLiteral("Pronto"));
        auto *novidades = j.botao(QStringLiteral("imgNovidades"));
        QVERIFY(novidades->toolTip().contains(QStringLiteral("Quorvane")));
        j.janela.defineStatus(QStringLiteral("outra coisa"));
        novidades->click();
        QCOMPARE(j.status(), QStringLiteral("Pronto"));
    }

    void cancelarNaoAbreJanela()
    {
        Janela j(m_pasta.path());
        j.janela.MDIForm_Load();
        respondeDialogo(QString());
        j.botao(QStringLiteral("cmdRelatorio"))->click();
        QVERIFY(j.janela.resultados().isEmpty());
        QVERIFY(j.janela.NomeAnalisado.isEmpty());
        QCOMPARE(j.janela.documentoAtivo(), nullptr);
    }

    void confirmarAbreUmaJanelaComAAnalise()
    {
        Janela j(m_pasta.path());
        j.janela.MDIForm_Load();
        respondeDialogo(QStringLiteral("ana souza"));
        j.botao(QStringLiteral("cmdRelatorio"))->click();

        QCOMPARE(j.janela.resultados().size(), 1);
        frmResultado *resultado = j.janela.resultadoAtivo();
        QVERIFY(resultado);
        QCOMPARE(resultado->windowTitle(), QStringLiteral("Análise Numerológica de ANA SOUZA"));
        const QString esperado = Relatorio::CriaRelatorio(
            QStringLiteral("ana souza"), QStringLiteral("25/12/1970"), Hoje, m_pasta.path())
                                     .documento.texto;
        QCOMPARE(j.janela.documentoAtivo()->texto, esperado);
        QPlainTextEdit *caixaTexto = resultado->txtResultado();
        QCOMPARE(caixaTexto->objectName(), QStringLiteral("txtResultado"));
        QVERIFY(caixaTexto->isReadOnly());
        QCOMPARE(caixaTexto->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(caixaTexto->toPlainText(),
            QString(esperado).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(j.janela.CaminhoDaVida, 9);
        QCOMPARE(j.janela.DataNascimento, QStringLiteral("25/12/1970"));
        QCOMPARE(j.status(), QStringLiteral("Pronto"));
        QVERIFY(!CursorOcupado::ativo());

        // The caption shows on the child window's own title bar.
        QCOMPARE(resultado->parentWidget()->windowTitle(),
            QStringLiteral("Análise Numerológica de ANA SOUZA"));
        // The text box always fills the window.
        resultado->parentWidget()->resize(500, 300);
        QCOMPARE(caixaTexto->geometry(), resultado->rect());
    }

    void segundaAnaliseAbreOutraJanela()
    {
        Janela j(m_pasta.path());
        j.janela.MDIForm_Load();
        respondeDialogo(QStringLiteral("Ana Souza"));
        j.botao(QStringLiteral("cmdRelatorio"))->click();
        const QString primeiro = j.janela.documentoAtivo()->texto;
        respondeDialogo(QStringLiteral("Joao Lima"), QStringLiteral("11051980"));
        j.botao(QStringLiteral("cmdRelatorio"))->click();

        const QList<frmResultado *> janelas = j.janela.resultados();
        QCOMPARE(janelas.size(), 2);
        QCOMPARE(janelas.at(0)->documento().texto, primeiro);
        QCOMPARE(j.janela.resultadoAtivo(), janelas.at(1));
        QCOMPARE(janelas.at(1)->windowTitle(), QStringLiteral("Análise Numerológica de JOAO LIMA"));
    }

    void janelasDeResultadoAbremDentroDaArea()
    {
        Janela j(m_pasta.path());
        j.janela.MDIForm_Load();
        auto *area = j.janela.findChild<QMdiArea *>(QStringLiteral("mdiResultados"));
        QVERIFY(area);
        for (int n = 1; n <= 6; ++n) {
            j.janela.exibeResultado({QStringLiteral("Análise %1").arg(n), QStringLiteral("texto")});
            QMdiSubWindow *nova = area->subWindowList().constLast();
            QVERIFY2(area->viewport()->rect().contains(nova->geometry()),
                qPrintable(QStringLiteral("janela %1 fora da área").arg(n)));
            // Each window steps away from the one before, so every title bar can be seen.
            if (n > 1)
                QVERIFY(nova->pos() != area->subWindowList().at(n - 2)->pos());
        }
    }

    void statusEPonteiroDuranteAAnalise()
    {
        Janela j(m_pasta.path());
        j.janela.NomeAnalisado = QStringLiteral("Ana");
        j.janela.DataNascimento = QStringLiteral("25/12/1970");
        QString statusDurante;
        bool ocupadoDurante = false;
        j.janela.executaAnalise([&](const QString &nome, const QString &data, QDate hoje,
                                    const QString &pasta) {
            statusDurante = j.status();
            ocupadoDurante = CursorOcupado::ativo();
            RelatorioGerado r;
            r.documento = {nome + data + hoje.toString(Qt::ISODate) + pasta, QStringLiteral("x")};
            return r;
        });
        QCOMPARE(
            statusDurante, QStringLiteral("Análisando Nome e Data de Nascimento, Aguarde . . ."));
        QVERIFY(ocupadoDurante);
        QVERIFY(!CursorOcupado::ativo());
        QCOMPARE(j.status(), QStringLiteral("Pronto"));
        QCOMPARE(j.janela.resultadoAtivo()->windowTitle(),
            QStringLiteral("Ana25/12/19701998-03-02") + m_pasta.path());
        QCOMPARE(j.janela.CaminhoDaVida, 0); // this analysis does not set it
    }

    void sairPerguntaAntes_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<CaixaMensagem::Resposta>("resposta");
        QTest::addColumn<bool>("continuaAberta");
        QTest::newRow("botão, Não") << "cmdSair" << CaixaMensagem::Resposta::Nao << true;
        QTest::newRow("botão, Sim") << "cmdSair" << CaixaMensagem::Resposta::Sim << false;
        QTest::newRow("menu, Não") << "mnuSair" << CaixaMensagem::Resposta::Nao << true;
        QTest::newRow("menu, Sim") << "mnuSair" << CaixaMensagem::Resposta::Sim << false;
    }
    void sairPerguntaAntes()
    {
        QFETCH(QString, comando);
        QFETCH(CaixaMensagem::Resposta, resposta);
        QFETCH(bool, continuaAberta);
        Janela j(m_pasta.path());
        j.janela.MDIForm_Load();
        j.janela.exibeResultado({QStringLiteral("Aberta"), QStringLiteral("texto")});
        j.caixa.responde({resposta});
        if (comando == QLatin1String("cmdSair"))
            j.botao(comando)->click();
        else
            j.janela.findChild<QAction *>(comando)->trigger();
        QCOMPARE(j.caixa.ultimo().titulo, QStringLiteral("Vistral"));
        QCOMPARE(j.caixa.ultimo().texto, QStringLiteral("Confirma Saída?"));
        QCOMPARE(j.caixa.ultimo().icone, CaixaMensagem::Icone::Pergunta);
        QCOMPARE(j.janela.isVisible(), continuaAberta);
        QCOMPARE(j.janela.resultados().size(), continuaAberta ? 1 : 0);
    }
};

QTEST_MAIN(TestFrmPrincipal)
#include "tst_frmprincipal.moc"
