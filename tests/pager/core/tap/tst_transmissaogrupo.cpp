// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"

#include <QMap>
#include <QSqlQuery>
#include <QTest>

namespace {

// Three members, registered in name order; their pager codes are 101, 102, 103.
struct Grupo3
{
    BancadaEnvio b;
    QList<int> membros;
    int grupo = 0;

    Grupo3()
    {
        membros = {b.cadastra(QStringLiteral("Ana"), QStringLiteral("101")),
            b.cadastra(QStringLiteral("Bruno"), QStringLiteral("102")),
            b.cadastra(QStringLiteral("Carla"), QStringLiteral("103"))};
        grupo = b.agrupa(QStringLiteral("Equipe"), membros);
    }

    bool envia(const QString &texto = QStringLiteral("Reuniao"))
    {
        return b.envia(PedidoEnvio::Modo::Grupo, grupo, texto);
    }

    QStringList codigosNoLog() const
    {
        QStringList codigos;
        for (const QString &linha : b.log())
            codigos.append(linha.section(QLatin1Char('|'), 4, 4));
        return codigos;
    }
};

QByteArray codigoDoBloco(const QByteArray &bloco)
{
    return bloco.mid(1, bloco.indexOf('\r') - 1);
}

} // namespace

class TestTransmissaoGrupo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void todosAceitos()
    {
        Grupo3 g;
        QVERIFY(g.envia());
        QCOMPARE(g.b.servico.blocos().size(), 3);
        QCOMPARE(g.b.log(),
            (QStringList{QStringLiteral("20261207|14:05|Ana|Reuniao|101|%1").arg(g.membros[0]),
                QStringLiteral("20261207|14:05|Bruno|Reuniao|102|%1").arg(g.membros[1]),
                QStringLiteral("20261207|14:05|Carla|Reuniao|103|%1").arg(g.membros[2])}));
        QCOMPARE(g.b.visor.progresso, (QList<int>{-3, 1, 2, 3}));
        QCOMPARE(g.b.servico.estado().logoffs, 1);
        QCOMPARE(g.b.caixa.quantidade(), 0);
    }

    void segundoBlocoSemResposta()
    {
        Grupo3 g;
        g.b.servico.estado().respostaBloco = [](int n, const QByteArray &) {
            return n == 1 ? QByteArray() : QByteArray("\x06\r");
        };
        QVERIFY(!g.envia());
        QCOMPARE(g.codigosNoLog(), QStringList{QStringLiteral("101")});
        QCOMPARE(g.b.caixa.textos(),
            QStringList{QStringLiteral(
                "Erro: Time Out - Aguardando confirmação do dígito verificador ...")});
        QCOMPARE(g.b.servico.blocos().size(), 2);
        QVERIFY(g.b.escritoAposConectar().endsWith("+++ATH0\r"));
        QCOMPARE(g.b.visor.progresso, (QList<int>{-3, 1}));
    }

    void recusadosNoGrupo_data()
    {
        QTest::addColumn<QByteArrayList>("respostas"); // to Bruno's and Carla's blocks
        QTest::newRow("refused at once") << QByteArrayList{"511 Codigo recusado\r\x1e\r"};
        QTest::newRow("bare RS CR") << QByteArrayList{"\x1e\r"};
        QTest::newRow("refused after one NAK")
            << QByteArrayList{"\x15\r", "511 Codigo recusado\r\x1e\r"};
    }
    void recusadosNoGrupo()
    {
        QFETCH(QByteArrayList, respostas);
        Grupo3 g;
        QMap<QByteArray, int> vezes;
        g.b.servico.estado().respostaBloco = [&](int, const QByteArray &bloco) {
            const QByteArray codigo = codigoDoBloco(bloco);
            if (codigo == "101")
                return QByteArray("\x06\r");
            return respostas.at(std::min(vezes[codigo]++, int(respostas.size()) - 1));
        };
        QVERIFY(g.envia());
        // Only the accepted page is logged; only the first refused member makes a note.
        QCOMPARE(g.codigosNoLog(), QStringList{QStringLiteral("101")});
        QCOMPARE(g.b.servico.blocos().size(), 1 + 2 * int(respostas.size()));
        QCOMPARE(g.b.caixa.textos(),
            QStringList{
                QStringLiteral("Erro na tentativa de envio para o pager de Bruno. Problemas "
                               "com o código 102. Possibilidade de erro na tentativa do "
                               "envio das outras mensagens.\n")});
        QCOMPARE(g.b.caixa.ultimo().titulo, QStringLiteral("Erro(s):"));
        QCOMPARE(g.b.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
    }

    // Each row is in the table before the next line goes out.
    void linhaDoLogAntesDoBlocoSeguinte()
    {
        Grupo3 g;
        QList<int> linhasNaHora;
        g.b.servico.estado().respostaBloco = [&g, &linhasNaHora](int, const QByteArray &b) {
            linhasNaHora.append(int(g.b.log().size()));
            return ServicoTapRoteirizado::julga(b);
        };
        QVERIFY(g.envia());
        QCOMPARE(linhasNaHora, (QList<int>{0, 1, 2}));
    }

    // The first refusal is still reported when a later block ends the transmission.
    void notasTambemNaFalha()
    {
        Grupo3 g;
        g.b.servico.estado().respostaBloco = [](int n, const QByteArray &) {
            return n == 0 ? QByteArray("\r\x1e\r") : QByteArray();
        };
        QVERIFY(!g.envia());
        QVERIFY(g.b.log().isEmpty());
        QCOMPARE(g.b.caixa.quantidade(), 2);
        QCOMPARE(g.b.caixa.registros().at(0).texto,
            QStringLiteral("Erro: Time Out - Aguardando confirmação do dígito verificador ..."));
        QVERIFY(g.b.caixa.registros().at(1).texto.contains(QStringLiteral("código 101")));
    }

    void grupoSemMembros()
    {
        BancadaEnvio b;
        const int grupo = b.agrupa(QStringLiteral("Vazio"), {});
        QByteArray escritoAoAvisar;
        b.caixa.aoMostrar([&](const CaixaMensagemGravada::Registro &) {
            escritoAoAvisar = b.escritoAposConectar();
        });
        QVERIFY(!b.envia(PedidoEnvio::Modo::Grupo, grupo, QStringLiteral("oi")));
        QCOMPARE(b.caixa.textos(),
            QStringList{QStringLiteral("Este grupo não possue nenhum usuário cadastrado. Não há "
                                       "alguém para enviar mensagem.")});
        // Dialed, hung up, and only then the message.
        QCOMPARE(escritoAoAvisar, QByteArray("+++ATH0\r"));
        QCOMPARE(b.linha.escrito().count("ATDP"), 1);
        QVERIFY(b.servico.blocos().isEmpty());
    }

    void nomesSemBrancosNoGrupo()
    {
        BancadaEnvio b;
        const int ana = b.cadastra(QStringLiteral("  Ana Lima "), QStringLiteral(" 77 "));
        const int grupo = b.agrupa(QStringLiteral("G"), {ana});
        QVERIFY(b.envia(PedidoEnvio::Modo::Grupo, grupo, QStringLiteral("oi ")));
        QCOMPARE(
            b.log(), QStringList{QStringLiteral("20261207|14:05|Ana Lima|oi |77|%1").arg(ana)});
    }

    void membroRemovidoPorOutroOperador()
    {
        Grupo3 g;
        // Another Tellumo deleted the user row; the membership row is still there.
        QSqlQuery apaga(BancoDeDados());
        QVERIFY(apaga.exec(
            QStringLiteral("DELETE FROM Usuarios WHERE ID_Usuario = %1").arg(g.membros[1])));
        QVERIFY(g.envia());
        QCOMPARE(g.codigosNoLog(), (QStringList{QStringLiteral("101"), QStringLiteral("103")}));
        QCOMPARE(g.b.caixa.quantidade(), 1);
        QVERIFY(g.b.caixa.ultimo().texto.contains(QString::number(g.membros[1])));
        QCOMPARE(g.b.caixa.ultimo().titulo, QStringLiteral("Erro(s):"));
        QCOMPARE(g.b.visor.progresso, (QList<int>{-3, 1, 2, 3}));
    }

    void todosRemovidosGuardaOTexto()
    {
        Grupo3 g;
        QSqlQuery apaga(BancoDeDados());
        QVERIFY(apaga.exec(QStringLiteral("DELETE FROM Usuarios")));
        QVERIFY(!g.envia());
        QVERIFY(g.b.servico.blocos().isEmpty());
        QCOMPARE(g.b.servico.estado().logoffs, 1);
    }

    void linhaSomeNoMeio()
    {
        Grupo3 g;
        g.b.servico.estado().respostaBloco = [&g](int n, const QByteArray &) {
            if (n == 1) {
                g.b.relogio.agendaApos(0.5, [&g] { g.b.linha.derruba(); });
                return QByteArray();
            }
            return QByteArray("\x06\r");
        };
        QVERIFY(!g.envia());
        QCOMPARE(g.codigosNoLog(), QStringList{QStringLiteral("101")});
        QCOMPARE(g.b.caixa.quantidade(), 1);
        QVERIFY(g.b.caixa.ultimo().texto.contains(QStringLiteral("modem foi interrompida")));
        QVERIFY(!g.b.linha.aberta());
        // No hang-up pauses on a line that is gone.
        QVERIFY(g.b.instanteDe("+++") < 0);
        QCOMPARE(g.b.status.ultimo(), QStringLiteral(" Pronto"));

        // The modem is plugged in again: the next send opens the port and delivers.
        g.b.modem.estado().conectado = false;
        g.b.servico.estado().pediuId = false;
        const int aberturas = static_cast<int>(g.b.linha.aberturas().size());
        g.b.servico.estado().respostaBloco = nullptr;
        g.b.caixa.limpa();
        QVERIFY(g.envia());
        QCOMPARE(g.b.linha.aberturas().size(), aberturas + 2);
        QCOMPARE(g.b.log().size(), 4);
        QCOMPARE(g.b.caixa.quantidade(), 0);
    }

    void portaQueNaoReabre()
    {
        Grupo3 g;
        g.b.linha.derruba();
        g.b.linha.defineAbertura([](const QString &, const QString &) { return false; });
        QVERIFY(!g.envia());
        QCOMPARE(g.b.caixa.quantidade(), 1);
        QVERIFY(g.b.caixa.ultimo().texto.contains(QStringLiteral("porta serial")));
        QVERIFY(g.b.linha.escrito().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTransmissaoGrupo)
#include "tst_transmissaogrupo.moc"
