// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaPrincipal.h"
#include "CursorOcupado.h"
#include "core/directory/BancoDeDados.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kPergunta = QStringLiteral("Houve um erro ao tentar inicializar o modem. Você deseja "
                                         "ajustar as configurações do seu modem?");
const QString kDesistiu = QStringLiteral(
    "Este erro pode ter sido ocasionado pelo fato de que outro aplicativo está utilizando a porta "
    "serial onde está instalado o seu modem. Reinicialize o seu computador e tente novamente.");
const QString kErroPorta = QStringLiteral(" Erro iniciando a porta serial do modem.");

bool splashVisivel()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("frmInicializa") && w->isVisible())
            return true;
    }
    return false;
}

QByteArray leArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An SQLite file holding only the given tables.
bool criaBanco(const QString &caminho, const QStringList &comandos)
{
    const QString conexao = QStringLiteral("criaBanco");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao);
        db.setDatabaseName(caminho);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &c : comandos)
            ok = ok && q.exec(c);
        db.close();
    }
    QSqlDatabase::removeDatabase(conexao);
    return ok;
}

} // namespace

class TestInicio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { FechaBancoDeDados(); }

    void inicioComPortaConfigurada()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        b.grava(QStringLiteral("MODEM"), QStringLiteral("COM1"), QStringLiteral("/dev/pts/9"));
        frmPrincipal &j = b.cria();
        QVERIFY(j.Form_Load());
        QCOMPARE(j.windowTitle(), QStringLiteral("Tellumo 1.0"));
        QVERIFY(j.isVisible());
        QCOMPARE(b.status,
            (QStringList{QStringLiteral(" Inicializando Banco de Dados, aguarde ..."),
                QStringLiteral(" Inicializando variáveis, aguarde ..."),
                QStringLiteral(" Inicializando Modem, aguarde ..."), QStringLiteral(" Pronto")}));
        QCOMPARE(j.status(), QStringLiteral(" Pronto"));
        QCOMPARE(b.linha.aberturas(), QStringList{QStringLiteral("/dev/pts/9|9600,e,7,1")});
        QCOMPARE(b.linha.escrito(), QByteArray("ATZ\rate0\r"));
        QCOMPARE(b.caixa.quantidade(), 0);
        QVERIFY(b.dialogos.isEmpty());
        QVERIFY(BancoDeDados().isOpen());
        // The splash stayed one second and is gone.
        QCOMPARE(b.relogio.pausas().constFirst(), 1.0);
        QVERIFY(!splashVisivel());
        QCOMPARE(j.modulo().NumeroPorta(), 1);
    }

    void primeiraExecucaoAbreODialogoDoModem()
    {
        BancadaPrincipal b;
        frmPrincipal *j = &b.cria();
        bool splashNaHora = true;
        QStringList marcadasNaHora;
        QString prefixoNaHora, statusNaHora;
        b.aoDialogo = [&](QDialog &d) {
            splashNaHora = splashVisivel();
            marcadasNaHora = BancadaPrincipal::opcoesMarcadas(d);
            prefixoNaHora = d.findChild<QLineEdit *>(QStringLiteral("txtPrefixo"))->text();
            statusNaHora = j->status();
            BancadaPrincipal::clica(d, "optCom2");
            BancadaPrincipal::clica(d, "optDiscagemTom");
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        QVERIFY(j->Form_Load());
        QCOMPARE(b.dialogos, QStringList{QStringLiteral("frmConfigModem")});
        QVERIFY(!splashNaHora);
        QVERIFY(marcadasNaHora.isEmpty());
        QCOMPARE(prefixoNaHora, QStringLiteral("011"));
        QCOMPARE(statusNaHora, QStringLiteral(" Configurando modem ..."));
        QCOMPARE(b.linha.aberturas(), QStringList{QStringLiteral("/dev/ttyS1|9600,e,7,1")});
        QCOMPARE(b.ini().LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), {}),
            QStringLiteral("Tom"));
        QCOMPARE(j->status(), QStringLiteral(" Pronto"));
    }

    void primeiraExecucaoSemPortaENaoEncerra()
    {
        BancadaPrincipal b;
        b.caixa.responde({CaixaMensagem::Resposta::Nao});
        frmPrincipal &j = b.cria();
        QVERIFY(!j.Form_Load());
        QVERIFY(j.encerrado());
        QCOMPARE(b.ini().LePerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"),
                     QStringLiteral("VAZIO")),
            QString());
        QVERIFY(b.linha.aberturas().isEmpty());
        QCOMPARE(b.caixa.textos(), (QStringList{kPergunta, kDesistiu}));
        QCOMPARE(b.caixa.registros().at(0).titulo, QStringLiteral("Erro:"));
        QCOMPARE(b.caixa.registros().at(0).icone, CaixaMensagem::Icone::Critico);
        QCOMPARE(b.caixa.registros().at(0).botoes, CaixaMensagem::Botoes::SimNao);
        QCOMPARE(b.caixa.registros().at(1).titulo, QStringLiteral("Informação:"));
        QCOMPARE(b.caixa.registros().at(1).icone, CaixaMensagem::Icone::Informacao);
        QCOMPARE(b.status.constLast(), kErroPorta);
        QVERIFY(!BancoDeDados().isOpen());
        QVERIFY(b.linha.escrito().isEmpty());
    }

    void portaRuimSimAjustaETentaDeNovo()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("3"));
        b.linha.defineAbertura(
            [](const QString &d, const QString &) { return d != QStringLiteral("/dev/ttyS2"); });
        b.caixa.responde({CaixaMensagem::Resposta::Sim});
        QStringList marcadasNaHora{QStringLiteral("nada visto")};
        b.aoDialogo = [&](QDialog &d) {
            marcadasNaHora = BancadaPrincipal::opcoesMarcadas(d);
            BancadaPrincipal::clica(d, "optCom1");
            BancadaPrincipal::clica(d, "cmdOkay");
        };
        frmPrincipal &j = b.cria();
        QVERIFY(j.Form_Load());
        QCOMPARE(b.caixa.textos(), QStringList{kPergunta});
        QVERIFY(marcadasNaHora.isEmpty());
        QCOMPARE(b.linha.aberturas(),
            (QStringList{
                QStringLiteral("/dev/ttyS2|9600,e,7,1"), QStringLiteral("/dev/ttyS0|9600,e,7,1")}));
        const qsizetype erro = b.status.indexOf(kErroPorta);
        QVERIFY(erro > 0);
        QCOMPARE(b.status.at(erro + 1), QStringLiteral(" Configurando modem ..."));
        QCOMPARE(b.status.constLast(), QStringLiteral(" Pronto"));
        QCOMPARE(j.modulo().NumeroPorta(), 1);
    }

    // The port's own reason, when it gives one, reaches the operator.
    void portaInexistenteNaoEncerra_data()
    {
        QTest::addColumn<QString>("motivo");
        QTest::newRow("sem motivo") << QString();
        QTest::newRow("em uso") << QStringLiteral("/dev/ttyS1 está em uso por outro programa.");
    }
    void portaInexistenteNaoEncerra()
    {
        QFETCH(QString, motivo);
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("2"));
        b.linha.defineAbertura([](const QString &, const QString &) { return false; }, motivo);
        b.caixa.responde({CaixaMensagem::Resposta::Nao});
        frmPrincipal &j = b.cria();
        QVERIFY(!j.Form_Load());
        const QStringList esperados = motivo.isEmpty()
            ? QStringList{kPergunta, kDesistiu}
            : QStringList{kPergunta + QStringLiteral("\n\nMotivo: ") + motivo, motivo};
        QCOMPARE(b.caixa.textos(), esperados);
        QVERIFY(b.dialogos.isEmpty());
        QVERIFY(!b.status.contains(QStringLiteral(" Pronto")));
    }

    void bancoRuimEncerra_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("apaga");
        QTest::addColumn<QStringList>("tabelas");
        QTest::newRow("arquivo ausente") << QByteArray() << true << QStringList();
        QTest::newRow("não é banco de dados")
            << QByteArray("isto não é um banco") << false << QStringList();
        QTest::newRow("banco sem a tabela Log")
            << QByteArray() << false
            << QStringList{"CREATE TABLE Usuarios (ID_Usuario INTEGER PRIMARY KEY, Nome_Usuario "
                           "TEXT, ID_Pager TEXT, Descricao TEXT, Data_Cadastro TEXT)",
                   "CREATE TABLE Grupos (ID_Grupo INTEGER PRIMARY KEY, Nome_Grupo TEXT, "
                   "Descricao_Grupo TEXT)",
                   "CREATE TABLE Usuario_Grupo (ID_Usuario INTEGER, ID_Grupo INTEGER)"};
        QTest::newRow("Usuarios sem ID_Pager")
            << QByteArray() << false
            << QStringList{"CREATE TABLE Usuarios (ID_Usuario INTEGER PRIMARY KEY, Nome_Usuario "
                           "TEXT, Descricao TEXT, Data_Cadastro TEXT)",
                   "CREATE TABLE Grupos (ID_Grupo INTEGER PRIMARY KEY, Nome_Grupo TEXT, "
                   "Descricao_Grupo TEXT)",
                   "CREATE TABLE Usuario_Grupo (ID_Usuario INTEGER, ID_Grupo INTEGER)",
                   "CREATE TABLE Log (Data TEXT, Hora TEXT, Usuario TEXT, Mensagem TEXT, "
                   "ID_Pager TEXT, ID_Usuario INTEGER)"};
    }
    void bancoRuimEncerra()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, apaga);
        QFETCH(QStringList, tabelas);
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        const QString caminho = b.programa.filePath(QStringLiteral("Pager.Mdb"));
        QFile::remove(caminho);
        if (!apaga) {
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        if (!tabelas.isEmpty())
            QVERIFY(criaBanco(caminho, tabelas));
        const QByteArray antes = leArquivo(caminho);
        frmPrincipal &j = b.cria();
        QVERIFY(!j.Form_Load());
        QCOMPARE(b.caixa.textos(),
            QStringList{QStringLiteral(
                "Houve um erro sério ao tentar abrir o arquivo de dados do sistema.")});
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QCOMPARE(b.status.constLast(), QStringLiteral(" Erro iniciando o bando de dados."));
        QVERIFY(b.linha.aberturas().isEmpty());
        QVERIFY(!splashVisivel());
        QCOMPARE(QFile::exists(caminho), !apaga);
        // Nothing is created in the bad file's place, nor added to it.
        QCOMPARE(leArquivo(caminho), antes);
        QVERIFY(!CursorOcupado::ativo());
    }

    void modemMudoNaoImpedeOInicio()
    {
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        b.modem.estado().respondeOk = false;
        frmPrincipal &j = b.cria();
        QVERIFY(j.Form_Load());
        QCOMPARE(b.caixa.quantidade(), 2);
        QCOMPARE(j.status(), QStringLiteral(" Pronto"));
    }

    // The modem answers late; the user leaves during the pause between its two commands.
    void sairDuranteOInicioEncerra_data()
    {
        QTest::addColumn<bool>("pelaJanela");
        QTest::newRow("closing the main window") << true;
        QTest::newRow("Sair") << false;
    }
    void sairDuranteOInicioEncerra()
    {
        QFETCH(bool, pelaJanela);
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        b.grava(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), QStringLiteral("Sim"));
        b.modem.estado().atrasoOk = 3.0;
        int composicoes = 0;
        b.janelas.montaMsg = [&](frmPrincipal &) { ++composicoes; };
        frmPrincipal &j = b.cria();
        // The splash's second, then "ATZ" answered 3 s later, then the 0.05 s pause.
        b.relogio.agenda(4.02, [&] {
            if (pelaJanela)
                j.close();
            else
                j.findChild<QAction *>(QStringLiteral("mnuSair"))->trigger();
        });
        QVERIFY(!j.Form_Load());
        QVERIFY(j.encerrado());
        QVERIFY(!j.isVisible());
        QVERIFY(!splashVisivel());
        QVERIFY(!BancoDeDados().isOpen());
        QVERIFY(!b.linha.aberta());
        QVERIFY(!b.status.contains(QStringLiteral(" Pronto")));
        QCOMPARE(b.caixa.quantidade(), 0);
        QCOMPARE(composicoes, 0);
    }

    void autoEnviar_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("abre");
        QTest::newRow("Sim") << "Sim" << true;
        QTest::newRow("sim em minúsculas") << "sim" << false;
        QTest::newRow("Não") << "Não" << false;
        QTest::newRow("ausente") << QString() << false;
    }
    void autoEnviar()
    {
        QFETCH(QString, valor);
        QFETCH(bool, abre);
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        if (!valor.isNull())
            b.grava(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), valor);
        int aberturas = 0;
        QString statusNaHora;
        bool ampulheta = false;
        b.janelas.montaMsg = [&](frmPrincipal &p) {
            ++aberturas;
            statusNaHora = p.status();
            ampulheta = p.cursor().shape() == Qt::WaitCursor;
        };
        frmPrincipal &j = b.cria();
        QVERIFY(j.Form_Load());
        QCOMPARE(aberturas, abre ? 1 : 0);
        if (abre) {
            QCOMPARE(statusNaHora, QStringLiteral(" Pronto"));
            QVERIFY(ampulheta);
            QVERIFY(!splashVisivel());
        }
        QCOMPARE(j.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestInicio)
#include "tst_inicio.moc"
