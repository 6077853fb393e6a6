// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDaComposicao.h"
#include "Digita.h"
#include "core/compose/EstadoGlobal.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/send/frmMontaMsg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using Icone = CaixaMensagem::Icone;

// The compose window's sending (what the send window is handed, what is refused) and its
// buttons that open the user dialog.
class TestMontaMsgEnvio : public QObject, CenarioDaComposicao
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Prepara(); }
    void cleanup() { Encerra(); }

    void enviarEntregaOPedidoDoMomento_data()
    {
        QTest::addColumn<bool>("porGrupo");
        QTest::newRow("usuário") << false;
        QTest::newRow("grupo") << true;
    }
    void enviarEntregaOPedidoDoMomento()
    {
        QFETCH(bool, porGrupo);
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("2"));
        Grupo(QStringLiteral("A"));
        const int b = Grupo(QStringLiteral("B"));
        auto j = Janela();
        if (porGrupo)
            Filho<QRadioButton>(*j, "optListaPorGrupo")->setFocus(Qt::MouseFocusReason);
        Filho<QComboBox>(*j, "cmbUsuario")->setCurrentIndex(1);
        Digita(Texto(*j), QStringLiteral(" Olá "));
        Filho<QToolButton>(*j, "cmdEnviar")->click();

        QCOMPARE(pedidos_.size(), 1);
        QCOMPARE(pedidos_.first().modo,
            porGrupo ? PedidoEnvio::Modo::Grupo : PedidoEnvio::Modo::Usuario);
        QCOMPARE(pedidos_.first().identificador, porGrupo ? b : bia);
        QCOMPARE(pedidos_.first().texto, QStringLiteral(" Ola "));
        QCOMPARE(global::MensagemAnterior(), QStringLiteral(" Ola "));
        QVERIFY(!global::EnvioIniciado());
        QCOMPARE(status_.ultimo(), QStringLiteral(" Pronto"));
        QCOMPARE(caixa_.quantidade(), 0);
        // The window stays for the next message.
        QVERIFY(j->isVisible());
    }

    void enviarSemJanelaDeEnvioParaNoTerceiroPasso()
    {
        comEnvio_ = false;
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        auto j = Janela();
        Digita(Texto(*j), QStringLiteral("teste"));
        Filho<QToolButton>(*j, "cmdEnviar")->click();
        QCOMPARE(global::MensagemAnterior(), QStringLiteral("teste"));
        QVERIFY(!global::EnvioIniciado());
        QCOMPARE(status_.textos(), QStringList());
    }

    void enviarRecusaSemDestinoOuSemTexto_data()
    {
        QTest::addColumn<bool>("comUsuario");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("lista vazia")
            << false << QStringLiteral("oi")
            << QStringLiteral("Favor selecionar o destinatário antes de enviar a mensagem.");
        QTest::newRow("sem texto")
            << true << QString()
            << QStringLiteral("Favor digitar a mensagem para depois enviá-la.");
    }
    void enviarRecusaSemDestinoOuSemTexto()
    {
        QFETCH(bool, comUsuario);
        QFETCH(QString, texto);
        QFETCH(QString, aviso);
        if (comUsuario)
            Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        auto j = Janela();
        Digita(Texto(*j), texto);
        Filho<QToolButton>(*j, "cmdEnviar")->setFocus();
        Filho<QToolButton>(*j, "cmdEnviar")->click();
        QCOMPARE(caixa_.textos(), QStringList({aviso}));
        QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Advertência:"));
        QCOMPARE(caixa_.ultimo().icone, Icone::Informacao);
        QVERIFY(pedidos_.isEmpty());
        QVERIFY(global::MensagemAnterior().isEmpty());
        QCOMPARE(Texto(*j)->hasFocus(), comUsuario);
    }

    void novoUsuarioPelaComposicaoReabasteceALista()
    {
        Usuario(QStringLiteral("Bia"), QStringLiteral("2"));
        dialogo_ = [](QDialog &dialogo) {
            dialogo.show();
            Filho<QLineEdit>(dialogo, "txtNomeUsuario")->setText(QStringLiteral("Ana"));
            Filho<QLineEdit>(dialogo, "txtPagerID")->setText(QStringLiteral("1"));
            Filho<QToolButton>(dialogo, "cmdCadastrarGrupo")->click();
        };
        auto j = Janela();
        Filho<QToolButton>(*j, "cmdCadastrar")->click();
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Ana"), QStringLiteral("Bia")}));
        QCOMPARE(global::IdsDestinatarios().size(), 3);
    }

    void alterarCarregaOEscolhidoOuAvisaListaVazia()
    {
        bool abriu = false;
        dialogo_ = [&](QDialog &) { abriu = true; };
        {
            auto vazia = Janela();
            Filho<QToolButton>(*vazia, "cmdAlterar")->click();
            QVERIFY(!abriu);
            QCOMPARE(
                caixa_.textos(), QStringList({QStringLiteral("Não há nenhum dado selecionado.")}));
            QCOMPARE(caixa_.ultimo().titulo, QStringLiteral("Erro:"));
        }
        Usuario(QStringLiteral("Ana"), QStringLiteral("1"));
        const int bia = Usuario(QStringLiteral("Bia"), QStringLiteral("2"));
        QString carregado;
        dialogo_ = [&](QDialog &dialogo) {
            carregado = Filho<QLabel>(dialogo, "pnlId")->text() + QLatin1Char('/')
                + Filho<QLineEdit>(dialogo, "txtNomeUsuario")->text();
            Filho<QLineEdit>(dialogo, "txtNomeUsuario")->setText(QStringLiteral("Abel"));
            dialogo.show();
            Filho<QToolButton>(dialogo, "cmdCadastrarGrupo")->click();
        };
        auto j = Janela();
        Filho<QComboBox>(*j, "cmbUsuario")->setCurrentIndex(1);
        Filho<QToolButton>(*j, "cmdAlterar")->click();
        QCOMPARE(carregado, QStringLiteral("%1/Bia").arg(bia));
        QCOMPARE(Itens(*j), QStringList({QStringLiteral("Abel"), QStringLiteral("Ana")}));
    }
};

QTEST_MAIN(TestMontaMsgEnvio)
#include "tst_montamsgenvio.moc"
