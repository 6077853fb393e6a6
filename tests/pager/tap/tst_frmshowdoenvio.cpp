#include "BancadaEnvio.h"
#include "directory/EstadoGlobal.h"
#include "tap/frmShowDoEnvio.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

// A stand-in for the compose window: only its text box matters to the send window.
struct Composicao
{
    QWidget janela;
    QPlainTextEdit *txtMensagem = new QPlainTextEdit(&janela);

    explicit Composicao(const QString &texto)
    {
        txtMensagem->setObjectName(QStringLiteral("txtMensagem"));
        txtMensagem->setPlainText(texto);
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
    void envioAGrupoEsvaziaOTexto()
    {
        BancadaEnvio b;
        const int grupo = b.agrupa(QStringLiteral("Equipe"),
            {b.cadastra(QStringLiteral("Ana"), QStringLiteral("101")),
                b.cadastra(QStringLiteral("Bia"), QStringLiteral("102"))});
        Composicao composicao(QStringLiteral("Reuniao"));
        Observado o;
        observa(b, o);
        global::EnvioIniciado() = false;
        QVERIFY(ExibeEnvio(composicao.janela, b.modulo,
            PedidoEnvio{PedidoEnvio::Modo::Grupo, grupo, QStringLiteral("Reuniao")}));
        QVERIFY(composicao.txtMensagem->toPlainText().isEmpty());
        QVERIFY(global::EnvioIniciado());
        QCOMPARE(b.log().size(), 2);
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
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("101"));
        Composicao composicao(QStringLiteral("Urgente"));
        Observado o;
        observa(b, o);
        global::EnvioIniciado() = false;
        QVERIFY(!ExibeEnvio(composicao.janela, b.modulo,
            PedidoEnvio{PedidoEnvio::Modo::Usuario, id, QStringLiteral("Urgente")}));
        QCOMPARE(composicao.txtMensagem->toPlainText(), QStringLiteral("Urgente"));
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
