// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"
#include "forms/registers/frmUsuariosGrupo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <memory>

namespace {

const QString kSemMembros = QStringLiteral("Não há usuários cadastrados neste grupo.");

} // namespace

// The membership window, operated as a user would, on a real file.
class TestJanelaMembros : public QObject
{
    Q_OBJECT

    std::unique_ptr<CenarioDeJanelas> c_;

    std::unique_ptr<frmUsuariosGrupo> Abre()
    {
        return std::make_unique<frmUsuariosGrupo>(c_->Ambiente());
    }
    static QListWidget *Membros(frmUsuariosGrupo &j)
    {
        return Filho<QListWidget>(j, "lstUsuarios");
    }
    static void Escolhe(QComboBox *lista, const QString &texto)
    {
        lista->setCurrentIndex(lista->findText(texto));
    }
    static void Clica(frmUsuariosGrupo &j, const char *botao)
    {
        Filho<QAbstractButton>(j, botao)->click();
    }
    int Pares(int idGrupo)
    {
        return c_->Conta(
            QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo WHERE ID_Grupo = %1").arg(idGrupo));
    }

private slots:
    void init()
    {
        c_ = std::make_unique<CenarioDeJanelas>();
        QVERIFY2(c_->Aberto(), qPrintable(c_->Erro()));
    }
    void cleanup() { c_.reset(); }

    void primeiroGrupoSemMembrosAvisaAntesDeAparecer()
    {
        c_->Usuario(QStringLiteral("Bia"));
        c_->Usuario(QStringLiteral("Ana"));
        c_->Grupo(QStringLiteral("Vendas"));
        bool janelaVisivel = true;
        c_->caixa.aoMostrar([&janelaVisivel](const CaixaMensagemGravada::Registro &) {
            janelaVisivel = false;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("frmUsuariosGrupo") && w->isVisible())
                    janelaVisivel = true;
            }
        });
        auto janela = Abre();
        QCOMPARE(c_->caixa.textos(), QStringList{kSemMembros});
        QCOMPARE(c_->caixa.ultimo().titulo, QStringLiteral("Advertência:"));
        QVERIFY(!janelaVisivel);
        QCOMPARE(Membros(*janela)->count(), 0);
        auto *usuarios = Filho<QComboBox>(*janela, "cmbUsuarios");
        QCOMPARE(Itens(usuarios), QStringList({"Ana", "Bia"}));
        QCOMPARE(usuarios->currentIndex(), 0);
    }

    void membrosEmOrdemAlfabetica()
    {
        const int grupo = c_->Grupo(QStringLiteral("Vendas"));
        for (const char *nome : {"Zé", "bruno", "Ângela", "Álvaro", "ana", "Carla"})
            c_->Membro(c_->Usuario(QString::fromUtf8(nome)), grupo);
        auto janela = Abre();
        QCOMPARE(c_->caixa.quantidade(), 0);
        const QStringList ordem{"Álvaro", "ana", "Ângela", "bruno", "Carla", "Zé"};
        QCOMPARE(Itens(Membros(*janela)), ordem);
        // The list of every user beside it agrees.
        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbUsuarios")), ordem);
    }

    void escolherOutroGrupoMostraSeusMembros()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        const int compras = c_->Grupo(QStringLiteral("Compras"));
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        c_->Membro(ana, compras);
        c_->Membro(bia, vendas);
        auto janela = Abre();
        QCOMPARE(Itens(Membros(*janela)), QStringList{"Ana"});
        Escolhe(Filho<QComboBox>(*janela, "cmbGrupos"), QStringLiteral("Vendas"));
        QCOMPARE(Itens(Membros(*janela)), QStringList{"Bia"});
        QCOMPARE(c_->caixa.quantidade(), 0);
    }

    void adicionarGravaEMostraOMembro()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        c_->Usuario(QStringLiteral("Bia"));
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        c_->Membro(ana, vendas);
        auto janela = Abre();
        Escolhe(Filho<QComboBox>(*janela, "cmbUsuarios"), QStringLiteral("Bia"));
        Clica(*janela, "cmdAdicionar");
        QCOMPARE(Itens(Membros(*janela)), QStringList({"Ana", "Bia"}));
        QCOMPARE(Pares(vendas), 2);
        QCOMPARE(c_->caixa.quantidade(), 0);
    }

    void adicionarQuemJaEMembroNadaMuda()
    {
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        c_->Membro(ana, vendas);
        auto janela = Abre();
        Clica(*janela, "cmdAdicionar");
        Clica(*janela, "cmdAdicionar");
        QCOMPARE(Pares(vendas), 1);
        QCOMPARE(Itens(Membros(*janela)), QStringList{"Ana"});
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(c_->bipes, 0);
    }

    void adicionarOQueOutroExcluiuAvisaEReabre_data()
    {
        QTest::addColumn<bool>("usuario");
        QTest::newRow("usuário") << true;
        QTest::newRow("grupo") << false;
    }
    void adicionarOQueOutroExcluiuAvisaEReabre()
    {
        QFETCH(bool, usuario);
        const int ana = c_->Usuario(QStringLiteral("Ana"));
        const int bia = c_->Usuario(QStringLiteral("Bia"));
        c_->Membro(ana, c_->Grupo(QStringLiteral("Compras")));
        c_->Membro(ana, c_->Grupo(QStringLiteral("Vendas")));
        auto janela = Abre();
        auto *usuarios = Filho<QComboBox>(*janela, "cmbUsuarios");
        Escolhe(usuarios, QStringLiteral("Bia"));
        // Another operator removes the user or the chosen group.
        QVERIFY(usuario ? Diretorio().ExcluiUsuario(bia)
                        : Diretorio().ExcluiGrupo(QStringLiteral("Compras")));
        Clica(*janela, "cmdAdicionar");
        QCOMPARE(c_->caixa.textos(),
            QStringList{usuario ? "Este usuário não está mais no cadastro."
                                : "Este grupo não está mais no cadastro."});
        QCOMPARE(Itens(usuarios), usuario ? QStringList{"Ana"} : QStringList({"Ana", "Bia"}));
        QCOMPARE(Itens(Filho<QComboBox>(*janela, "cmbGrupos")),
            usuario ? QStringList({"Compras", "Vendas"}) : QStringList{"Vendas"});
        QCOMPARE(c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo")), usuario ? 2 : 1);
    }

    void adicionarSemUsuariosApita()
    {
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        auto janela = Abre();
        c_->caixa.limpa();
        Clica(*janela, "cmdAdicionar");
        QCOMPARE(c_->bipes, 1);
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(Pares(vendas), 0);
    }

    void removerLevaTodosDoMesmoNome()
    {
        const int carlos1 = c_->Usuario(QStringLiteral("Carlos"));
        const int carlos2 = c_->Usuario(QStringLiteral("Carlos"));
        const int dora = c_->Usuario(QStringLiteral("Dora"));
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        const int compras = c_->Grupo(QStringLiteral("Compras"));
        for (int u : {carlos1, carlos2, dora})
            c_->Membro(u, vendas);
        c_->Membro(carlos1, compras);
        auto janela = Abre();
        Escolhe(Filho<QComboBox>(*janela, "cmbGrupos"), QStringLiteral("Vendas"));
        QCOMPARE(Itens(Membros(*janela)), QStringList({"Carlos", "Carlos", "Dora"}));
        Membros(*janela)->setCurrentRow(1);
        Clica(*janela, "cmdRemover");
        QCOMPARE(Itens(Membros(*janela)), QStringList{"Dora"});
        QCOMPARE(Pares(vendas), 1);
        QCOMPARE(Pares(compras), 1); // other groups keep their members
    }

    void removerOUltimoAvisaGrupoVazio()
    {
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        c_->Membro(c_->Usuario(QStringLiteral("Ana")), vendas);
        auto janela = Abre();
        Membros(*janela)->setCurrentRow(0);
        Clica(*janela, "cmdRemover");
        QCOMPARE(Pares(vendas), 0);
        QCOMPARE(Membros(*janela)->count(), 0);
        QCOMPARE(c_->caixa.textos(), QStringList{kSemMembros});
    }

    void removerSemEscolhaNadaFaz_data()
    {
        QTest::addColumn<bool>("focoSemEscolha");
        QTest::newRow("nenhuma linha") << false;
        // Tabbing into the list (or Ctrl+click on the chosen one) leaves a row under the
        // focus frame that nobody chose.
        QTest::newRow("linha com o foco, não escolhida") << true;
    }
    void removerSemEscolhaNadaFaz()
    {
        QFETCH(bool, focoSemEscolha);
        const int vendas = c_->Grupo(QStringLiteral("Vendas"));
        c_->Membro(c_->Usuario(QStringLiteral("Ana")), vendas);
        auto janela = Abre();
        if (focoSemEscolha)
            Membros(*janela)->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        else
            Membros(*janela)->setCurrentRow(-1);
        Clica(*janela, "cmdRemover");
        QCOMPARE(Pares(vendas), 1);
        QCOMPARE(c_->caixa.quantidade(), 0);
    }

    void semGruposAdicionarERemoverNadaFazem()
    {
        c_->Usuario(QStringLiteral("Ana"));
        auto janela = Abre();
        QCOMPARE(c_->caixa.quantidade(), 0);
        Clica(*janela, "cmdAdicionar");
        Clica(*janela, "cmdRemover");
        QCOMPARE(c_->Conta(QStringLiteral("SELECT COUNT(*) FROM Usuario_Grupo")), 0);
        QCOMPARE(c_->caixa.quantidade(), 0);
        QCOMPARE(c_->bipes, 0);
    }
};

QTEST_MAIN(TestJanelaMembros)
#include "tst_janelamembros.moc"
