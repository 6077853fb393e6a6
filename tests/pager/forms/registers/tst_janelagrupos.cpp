// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"
#include "forms/registers/frmCadastraGrupo.h"
#include "forms/registers/frmCadastraGrupos.h"
#include "forms/registers/frmUsuariosGrupo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using Resposta = CaixaMensagem::Resposta;
using Icone = CaixaMensagem::Icone;

namespace {

const QString kSemGrupo = QStringLiteral("Não há nenhum grupo cadastrado.");
const QString kPrecisaDeGrupo = QStringLiteral(
    "Desculpe, mas você deve possuir pelo menos um grupo cadastrado para poder excluí-lo.");

} // namespace

// The groups window and the group dialog, operated as a user would, on a real file.
class TestJanelaGrupos : public QObject
{
    Q_OBJECT

    std::unique_ptr<CenarioDeJanelas> c_;

    std::unique_ptr<frmCadastraGrupo> Abre()
    {
        return std::make_unique<frmCadastraGrupo>(c_->Ambiente());
    }
    static QString Descricao(frmCadastraGrupo &janela)
    {
        return Filho<QLabel>(janela, "pnlDescricaoGrupo")->text();
    }
    static void Clica(QWidget &janela, const char *botao)
    {
        QAbstractButton *b = Filho<QAbstractButton>(janela, botao);
        QVERIFY2(b, botao);
        b->click();
    }
    // The operator types into the group dialog and presses save.
    void DigitaEGrava(const QString &nome, const QString &descricao)
    {
        c_->operador = [nome, descricao](QDialog &d) {
            auto *txtNome = Filho<QLineEdit>(d, "txtNomeGrupo");
            txtNome->selectAll();
            QTest::keyClicks(txtNome, nome);
            Filho<QPlainTextEdit>(d, "txtDescricaoGrupo")->setPlainText(descricao);
            Clica(d, "cmdCadastrarGrupo");
        };
    }
    int Grupos() { return c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Grupos")); }

private slots:
    void init()
    {
        c_ = std::make_unique<CenarioDeJanelas>();
        QVERIFY2(c_->Aberto(), qPrintable(c_->Erro()));
    }
    void cleanup() { c_.reset(); }

    // What the operator reads on each window: its title, and each button's caption or
    // tool tip.
    void textosDasJanelas_data()
    {
        QTest::addColumn<QString>("janela");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("dica");
        const auto linha
            = [](const char *janela, const char *controle, const char *texto, const char *dica) {
                  QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(janela, controle)))
                      << janela << controle << QString::fromUtf8(texto) << QString::fromUtf8(dica);
              };
        linha("frmCadastraGrupo", "pnlTituloFundo", "Grupos", "");
        linha("frmCadastraGrupo", "pnlMsg", "Descrição do Grupo:", "");
        linha("frmCadastraGrupo", "cmdCadastrarGrupo", "", "Cadastrar um grupo ...");
        linha("frmCadastraGrupo", "cmdAlterarGrupo", "",
            "Clique aqui para alterar as informações sobre o grupo atual ...");
        linha("frmCadastraGrupo", "cmdExcluirGrupo", "",
            "Clique aqui para retirar este grupo do cadastro ...");
        linha("frmCadastraGrupo", "cmdRetornar", "", "Clique aqui para retornar ...");
        linha("frmCadastraGrupos", "pnlTituloFundo", "Cadastro dos Grupos", "");
        linha("frmCadastraGrupos", "pnlId", "-", "");
        linha("frmCadastraGrupos", "cmdCadastrarGrupo", "", "Grava os Dados e Retorna");
        linha("frmCadastraGrupos", "cmdRetornar", "", "Retorna Sem Gravar");
        linha("frmUsuariosGrupo", "pnlTituloFundo", "Grupos de Usuários", "");
        linha("frmUsuariosGrupo", "cmdAdicionar", "A&dicionar", "");
        linha("frmUsuariosGrupo", "cmdRemover", "&Remover", "");
        linha("frmUsuariosGrupo", "cmdRetornar", "", "Clique aqui para retornar ...");
    }
    void textosDasJanelas()
    {
        QFETCH(QString, janela);
        QFETCH(QString, controle);
        QFETCH(QString, texto);
        QFETCH(QString, dica);
        std::unique_ptr<QDialog> j;
        if (janela == QLatin1String("frmCadastraGrupo"))
            j = std::make_unique<frmCadastraGrupo>(c_->Ambiente());
        else if (janela == QLatin1String("frmCadastraGrupos"))
            j = std::make_unique<frmCadastraGrupos>(c_->Ambiente());
        else
            j = std::make_unique<frmUsuariosGrupo>(c_->Ambiente());
        QCOMPARE(j->objectName(), janela);
        QWidget *w = j->findChild<QWidget *>(controle);
        QVERIFY2(w, qPrintable(controle));
        if (auto *rotulo = qobject_cast<QLabel *>(w))
            QCOMPARE(rotulo->text(), texto);
        else if (auto *botao = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(botao->text(), texto);
        QCOMPARE(w->toolTip(), dica);
        if (controle == QLatin1String("pnlTituloFundo"))
            QCOMPARE(j->windowTitle(), texto);
    }

    void listaPorNomeEMostraADescricaoDoEscolhido()
    {
        c_->Grupo(QStringLiteral("Vendas"), QStringLiteral("Equipe de vendas"));
        c_->Grupo(QStringLiteral("Diretoria"), QStringLiteral("Os diretores"));
        auto janela = Abre();
        auto *lista = Filho<QComboBox>(*janela, "cmbGrupos");
        QCOMPARE(Itens(lista), QStringList({"Diretoria", "Vendas"}));
        QCOMPARE(Descricao(*janela), QStringLiteral("Os diretores"));
        lista->setCurrentIndex(1);
        QCOMPARE(Descricao(*janela), QStringLiteral("Equipe de vendas"));
        // What the operator typed, never markup ("<b>x</b>" keeps its brackets).
        QCOMPARE(Filho<QLabel>(*janela, "pnlDescricaoGrupo")->textFormat(), Qt::PlainText);
    }

    void novoGrupoGravado_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("gravada");
        QTest::newRow("com descrição") << "Vendas"
                                       << "Equipe de vendas"
                                       << "Equipe de vendas";
        QTest::newRow("sem descrição") << "Suporte"
                                       << ""
                                       << "Não há descrição para este grupo.";
        QTest::newRow("aspas e apóstrofo") << "D'Ávila \"RJ\""
                                           << "Filial d'Oeste"
                                           << "Filial d'Oeste";
    }
    void novoGrupoGravado()
    {
        QFETCH(QString, nome);
        QFETCH(QString, descricao);
        QFETCH(QString, gravada);
        auto janela = Abre();
        DigitaEGrava(nome, descricao);
        Clica(*janela, "cmdCadastrarGrupo");

        QCOMPARE(c_->dialogosAbertos, QStringList{"frmCadastraGrupos"});
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbGrupos")), QStringList{nome});
        QCOMPARE(Descricao(*janela), gravada);
        QCOMPARE(c_->status.textos(),
            QStringList({" Cadastrando um novo grupo de usuários...", " Pronto"}));
    }

    void novoGrupoSemNomeRecusadoEODialogoFica_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("vazio") << QString();
        QTest::newRow("só brancos") << QStringLiteral("   ");
    }
    void novoGrupoSemNomeRecusadoEODialogoFica()
    {
        QFETCH(QString, nome);
        auto janela = Abre();
        bool aberto = false;
        c_->operador = [&aberto, nome](QDialog &d) {
            QTest::keyClicks(Filho<QLineEdit>(d, "txtNomeGrupo"), nome);
            Clica(d, "cmdCadastrarGrupo");
            aberto = d.isVisible();
        };
        Clica(*janela, "cmdCadastrarGrupo");
        QVERIFY(aberto);
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Advertência:"));
        QCOMPARE(c_->caixa.ultimo().texto,
            QStringLiteral("Desculpe, mas para criar ou atualizar um grupo é indispensável que "
                           "este possua um nome."));
        QCOMPARE(Grupos(), 0);
    }

    void novoGrupoComNomeExistenteRecusado_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("igual") << QStringLiteral("Vendas");
        QTest::newRow("outra caixa") << QStringLiteral("vENDAS");
    }
    void novoGrupoComNomeExistenteRecusado()
    {
        QFETCH(QString, nome);
        c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        bool aberto = false;
        c_->operador = [&aberto, nome](QDialog &d) {
            QTest::keyClicks(Filho<QLineEdit>(d, "txtNomeGrupo"), nome);
            Clica(d, "cmdCadastrarGrupo");
            aberto = d.isVisible();
        };
        Clica(*janela, "cmdCadastrarGrupo");
        QVERIFY(aberto);
        QCOMPARE(c_->caixa.textos(),
            QStringList{
                "Desculpe, mas você não deve possuir dois grupos de usuários com o mesmo nome."});
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(Grupos(), 1);
    }

    void renomearParaNomeExistenteAceito()
    {
        c_->Grupo(QStringLiteral("Vendas"), QStringLiteral("v"));
        const int id = c_->Grupo(QStringLiteral("Compras"), QStringLiteral("c"));
        auto janela = Abre();
        QString idMostrado, nomeCarregado;
        c_->operador = [&](QDialog &d) {
            idMostrado = Filho<QLabel>(d, "pnlId")->text();
            nomeCarregado = Filho<QLineEdit>(d, "txtNomeGrupo")->text();
            Filho<QLineEdit>(d, "txtNomeGrupo")->setText(QStringLiteral("Vendas"));
            Clica(d, "cmdCadastrarGrupo");
        };
        Clica(*janela, "cmdAlterarGrupo"); // "Compras" is the first group by name
        QCOMPARE(idMostrado, QString::number(id));
        QCOMPARE(nomeCarregado, QStringLiteral("Compras"));
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbGrupos")), QStringList({"Vendas", "Vendas"}));
        QCOMPARE(c_->status.textos(),
            QStringList({" Alterando informações sobre grupo de usuários...", " Pronto"}));
    }

    void alterarOuExcluirSemGruposAvisa_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("alterar") << "cmdAlterarGrupo";
        QTest::newRow("excluir") << "cmdExcluirGrupo";
    }
    void alterarOuExcluirSemGruposAvisa()
    {
        QFETCH(QString, botao);
        auto janela = Abre();
        Clica(*janela, qPrintable(botao));
        QCOMPARE(c_->caixa.textos(), QStringList{kPrecisaDeGrupo});
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(c_->caixa.ultimo().icone, Icone::Informacao);
        QVERIFY(c_->dialogosAbertos.isEmpty());
    }

    void cancelarGrupoNovo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<int>("perguntas");
        QTest::addColumn<bool>("fecha");
        QTest::newRow("com nome, Não") << "Vendas" << int(Resposta::Nao) << 1 << false;
        QTest::newRow("com nome, Sim") << "Vendas" << int(Resposta::Sim) << 1 << true;
        QTest::newRow("sem nome") << "" << int(Resposta::Nao) << 0 << true;
    }
    void cancelarGrupoNovo()
    {
        QFETCH(QString, nome);
        QFETCH(int, resposta);
        QFETCH(int, perguntas);
        QFETCH(bool, fecha);
        auto janela = Abre();
        c_->caixa.responde({Resposta(resposta)});
        bool aberto = true;
        c_->operador = [&](QDialog &d) {
            Filho<QLineEdit>(d, "txtNomeGrupo")->setText(nome);
            Clica(d, "cmdRetornar");
            aberto = d.isVisible();
        };
        Clica(*janela, "cmdCadastrarGrupo");
        QCOMPARE(c_->caixa.quantidade(), perguntas);
        if (perguntas) {
            QCOMPARE(c_->caixa.ultimo().texto,
                QStringLiteral("Você realmente deseja cancelar este procedimento? Os dados não "
                               "serão salvos."));
            QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Atenção:"));
            QCOMPARE(c_->caixa.ultimo().botoes, CaixaMensagem::Botoes::SimNao);
        }
        QCOMPARE(aberto, !fecha);
        QCOMPARE(Grupos(), 0);
    }

    void sairDeUmaAlteracaoNaoPergunta()
    {
        c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        bool aberto = true;
        c_->operador = [&](QDialog &d) {
            Filho<QLineEdit>(d, "txtNomeGrupo")->setText(QStringLiteral("Outro"));
            QTest::keyClick(&d, Qt::Key_Escape);
            aberto = d.isVisible();
        };
        Clica(*janela, "cmdAlterarGrupo");
        QVERIFY(!aberto);
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbGrupos")), QStringList{"Vendas"});
    }

    void excluirPerguntaEmDuasLinhasENaoMantem()
    {
        c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        c_->caixa.responde({Resposta::Nao});
        Clica(*janela, "cmdExcluirGrupo");
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Importante:"));
        QCOMPARE(c_->caixa.ultimo().icone, Icone::Pergunta);
        // The two lines are parted by a carriage return and a line feed, as typed.
        QCOMPARE(c_->caixa.ultimo().texto,
            QStringLiteral("Você está certo de que deseja excluir este grupo do cadastro?\r\n"
                           "A exclusão deste grupo irá excluir toda a referência dos usuários "
                           "nele contido."));
        QCOMPARE(c_->caixa.ultimo().botoes, CaixaMensagem::Botoes::SimNao);
        QCOMPARE(Grupos(), 1);
        QVERIFY(c_->status.textos().isEmpty());
    }

    void excluirLevaAsAssociacoesEDeixaOLog()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        const int compras = c_->Grupo(QStringLiteral("Compras"));
        const int vendas = c_->Grupo(QStringLiteral("Vendas"), QStringLiteral("v"));
        c_->Membro(ana, compras);
        c_->Membro(bia, compras);
        c_->Membro(ana, vendas);
        c_->Log(QDateTime(QDate(1998, 12, 6), QTime(10, 0)), QStringLiteral("Ana"),
            QStringLiteral("Reunião"), QStringLiteral("1001"), ana);
        auto janela = Abre();
        c_->caixa.responde({Resposta::Sim});
        Clica(*janela, "cmdExcluirGrupo");

        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbGrupos")), QStringList{"Vendas"});
        QCOMPARE(Descricao(*janela), QStringLiteral("v"));
        QCOMPARE(c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo WHERE ID_Grupo = %1")
                               .arg(compras)),
            0);
        QCOMPARE(c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo")), 1);
        QCOMPARE(c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Log")), 1);
        QCOMPARE(c_->status.textos(), QStringList({" Excluindo Grupo de Usuários...", " Pronto"}));
    }

    void excluirOUltimoGrupoMostraNenhumGrupo()
    {
        c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        Clica(*janela, "cmdExcluirGrupo"); // the recorded box answers Yes
        QCOMPARE(Filho<QComboBox>(*janela, "cmbGrupos")->count(), 0);
        QCOMPARE(Descricao(*janela), kSemGrupo);
        QCOMPARE(Grupos(), 0);
    }

    void arquivoPerdidoMostraMensagemEAJanelaSegue()
    {
        c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        QVERIFY(c_->PerdeOBanco());
        Clica(*janela, "cmdAlterarGrupo");
        QCOMPARE(c_->caixa.quantidade(), 1);
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY2(c_->caixa.ultimo().texto.startsWith(QStringLiteral("Não foi possível ler")),
            qPrintable(c_->caixa.ultimo().texto));
        QVERIFY(c_->dialogosAbertos.isEmpty());
        Clica(*janela, "cmdRetornar");
        QCOMPARE(janela->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestJanelaGrupos)
#include "tst_janelagrupos.moc"
