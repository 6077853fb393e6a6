// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "Digita.h"
#include "core/compose/EstadoGlobal.h"
#include "forms/send/frmMontaMsg.h"
#include "forms/send/frmShowDoEnvio.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The compose window on the bench, hooked to the send window as the program hooks it,
// listing users or groups, with a text typed in.
struct Composicao
{
    std::unique_ptr<frmMontaMsg> janela;
    QPlainTextEdit *txtMensagem = nullptr;

    Composicao(BancadaEnvio &b, const QString &opcao, const QString &texto)
    {
        b.ini.GravaPerfil(QStringLiteral("LISTAGEM"), QStringLiteral("Opção"), opcao);
        frmMontaMsg::Dependencias d;
        d.ini = &b.ini;
        d.mostraShowDoEnvio = ShowDoEnvio(b.modulo, [&b] { return b.momento; });
        AmbienteJanela ambiente{
            b.caixa, [&b](const QString &status) { b.status.mostraStatus(status); }, {}, {}};
        janela = std::make_unique<frmMontaMsg>(std::move(ambiente), std::move(d));
        janela->show();
        txtMensagem = janela->findChild<QPlainTextEdit *>(QStringLiteral("txtMensagem"));
        Digita(txtMensagem, texto);
    }
};

// What the send window showed while the transmission ran.
struct Observado
{
    bool gaugeVisivel = false;
    int gaugeMaximo = -1;
    int gaugeValor = -1;
    bool animando = false;
    QString titulo;
};

void observa(BancadaEnvio &b, Observado &o)
{
    b.relogio.aoProcessarEventos = [&o] {
        auto *janela = qobject_cast<frmShowDoEnvio *>(QApplication::activeModalWidget());
        if (!janela)
            return;
        auto *gauge = janela->findChild<QProgressBar *>(QStringLiteral("valStatus"));
        o.gaugeVisivel = gauge->isVisible();
        o.gaugeMaximo = gauge->maximum();
        o.gaugeValor = gauge->value();
        o.animando = janela->findChild<QTimer *>(QStringLiteral("tmpTemporizador"))->isActive();
        o.titulo = janela->findChild<QLabel *>(QStringLiteral("pnlTitulo"))->text();
        // Escape or the close button while the line is in use changes nothing.
        janela->reject();
        janela->close();
    };
}

} // namespace

class TestFrmShowDoEnvio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void envioAGrupoPelaComposicao()
    {
        BancadaEnvio b;
        b.agrupa(QStringLiteral("Equipe"),
            {b.cadastra(QStringLiteral("Ana"), QStringLiteral("101")),
                b.cadastra(QStringLiteral("Bia"), QStringLiteral("102"))});
        Composicao composicao(b, QStringLiteral("Grupo"), QStringLiteral("Reunião às 15h"));
        Observado o;
        observa(b, o);
        composicao.janela->cmdEnviar_Click();
        QVERIFY(composicao.txtMensagem->toPlainText().isEmpty());
        QVERIFY(global::EnvioIniciado());
        QCOMPARE(global::MensagemAnterior(), QStringLiteral("Reuniao as 15h"));
        QCOMPARE(b.log(),
            (QStringList{QStringLiteral("20261207|14:05|Ana|Reuniao as 15h|101|1"),
                QStringLiteral("20261207|14:05|Bia|Reuniao as 15h|102|2")}));
        QCOMPARE(b.status.ultimo(), QStringLiteral(" Pronto"));
        QVERIFY(o.gaugeVisivel);
        QCOMPARE(o.gaugeMaximo, 2);
        QCOMPARE(o.gaugeValor, 2);
        QVERIFY(o.animando);
        QCOMPARE(o.titulo, QStringLiteral("Desconectando Modem ..."));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void falhaGuardaOTexto()
    {
        BancadaEnvio b;
        b.servico.estado().respostaBloco = [](int, const QByteArray &) { return "\x15\r"; };
        b.cadastra(QStringLiteral("Ana"), QStringLiteral("101"));
        Composicao composicao(b, QStringLiteral("Usuário"), QStringLiteral("Urgente"));
        Observado o;
        observa(b, o);
        composicao.janela->cmdEnviar_Click();
        QCOMPARE(composicao.txtMensagem->toPlainText(), QStringLiteral("Urgente"));
        QCOMPARE(b.servico.blocos().size(), 3);
        QVERIFY(!o.gaugeVisivel);
        QVERIFY(b.log().isEmpty());
    }

    void segundaAtivacaoNaoDiscaDeNovo()
    {
        BancadaEnvio b;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("101"));
        global::EnvioIniciado() = false;
        frmShowDoEnvio janela(
            b.modulo, PedidoEnvio{PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")});
        janela.Form_Activate();
        janela.Form_Activate();
        QCOMPARE(b.linha.escrito().count("ATE0\r"), 1);
        QCOMPARE(b.log().size(), 1);
        QVERIFY(janela.Sucesso());
    }

    void animacaoDeSeteQuadros()
    {
        BancadaEnvio b;
        frmShowDoEnvio janela(b.modulo, PedidoEnvio{});
        auto *timer = janela.findChild<QTimer *>(QStringLiteral("tmpTemporizador"));
        QCOMPARE(timer->interval(), 500);
        auto *figura = janela.findChild<QLabel *>(QStringLiteral("imgFigura"));
        QCOMPARE(janela.imgFig().size(), 7);
        for (int i = 0; i < 7; ++i) {
            for (int j = i + 1; j < 7; ++j)
                QVERIFY(janela.imgFig().at(i).toImage() != janela.imgFig().at(j).toImage());
        }
        QCOMPARE(janela.Quadro(), 0);
        const QList<int> esperados{1, 2, 3, 4, 5, 6, 7, 1, 2};
        for (int esperado : esperados) {
            timer->timeout({});
            QCOMPARE(janela.Quadro(), esperado);
            QCOMPARE(figura->pixmap().toImage(), janela.imgFig().at(esperado - 1).toImage());
        }
    }

    void janelaDeUsuarioSemGauge()
    {
        BancadaEnvio b;
        global::EnvioIniciado() = true;
        frmShowDoEnvio janela(b.modulo, PedidoEnvio{PedidoEnvio::Modo::Usuario, 1, {}});
        janela.show();
        QVERIFY(!janela.findChild<QProgressBar *>(QStringLiteral("valStatus"))->isVisible());
        QCOMPARE(janela.findChild<QLabel *>(QStringLiteral("pnlTitulo"))->text(),
            QStringLiteral("Discando ..."));
        QTest::qWait(10);
        QVERIFY(b.linha.escrito().isEmpty());
    }
};

QTEST_MAIN(TestFrmShowDoEnvio)
#include "tst_frmshowdoenvio.moc"
