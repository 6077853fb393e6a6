// SPDX-License-Identifier: GPL-3.0-or-later
#include "../snpp/DestinosRoteiro.h"
#include "core/http/ServidorHttp.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

class TstServidorHttp : public QObject
{
    Q_OBJECT
private slots:
    void atende_data();
    void atende();
};

namespace {

const QByteArray kToken = "Bearer t0ken";

// Three alerts: one firing with a summary too long for a page, one firing without any,
// one resolved.
const QByteArray kAlertas = R"({"version":"4","alerts":[
  {"status":"firing","labels":{"alertname":"Disco"},"annotations":{"summary":")"
    + QByteArray(250, 'a') + R"("}},
  {"status":"firing","labels":{"severity":"critica","alertname":"CPUAlta","instance":"web1"}},
  {"status":"resolved","labels":{"alertname":"Rede"},"annotations":{"summary":"Rede ok"}}]})";

const QString kLonga = QString(240, u'a');

// `modo` scripts DestinosRoteiro ("doente": the health callback answers a reason);
// `resposta` is part of the compact JSON answered; `fila` what the queue took.
void linha(const char *nome, const char *modo, const char *metodo, const char *caminho,
    const QByteArray &autorizacao, const QByteArray &corpo, int status, const char *resposta,
    const QStringList &fila = {})
{
    QTest::newRow(nome) << QString::fromUtf8(modo) << QByteArray(metodo)
                        << QString::fromUtf8(caminho) << autorizacao << corpo << status
                        << QString::fromUtf8(resposta) << fila;
}

} // namespace

void TstServidorHttp::atende_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QByteArray>("metodo");
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QByteArray>("autorizacao");
    QTest::addColumn<QByteArray>("corpo");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<QStringList>("fila");

    const QString o = QStringLiteral("|HTTP 127.0.0.1");
    linha("grupo e código", "", "POST", "/paginas", "bearer  t0ken ",
        R"({"destinos":["Plantão","1003","1001"],"texto":"Servidor\r\nfora"})", 202,
        R"({"paginas":3,"pedido":3})",
        {"1001|Servidor\nfora" + o, "1002|Servidor\nfora" + o, "1003|Servidor\nfora" + o});
    linha("código avulso", "", "POST", "/paginas", kToken,
        R"({"destinos":["7000009"],"texto":"x"})", 202, R"("paginas":1)", {"7000009|x" + o});
    linha("páginas demais", "", "POST", "/paginas", kToken,
        R"({"destinos":["Plantão","7000009","1003"],"texto":"x"})", 422,
        "Máximo de 3 páginas por pedido");
    linha("desconhecido", "", "POST", "/paginas", kToken,
        R"({"destinos":["Bruno","Ninguém"],"texto":"x"})", 422, "Destino desconhecido: Ninguém");
    linha("json malformado", "", "POST", "/paginas", kToken, R"({"destinos":["Bruno"],)", 400,
        "JSON malformado");
    linha("tipos errados", "", "POST", "/paginas", kToken, R"({"destinos":"Bruno","texto":"x"})",
        400, R"(\"destinos\" (lista de nomes))");
    linha("texto longo", "", "POST", "/paginas", kToken,
        R"({"destinos":["Bruno"],"texto":")" + kLonga.toUtf8() + R"(b"})", 400,
        "máximo de 240 caracteres");
    linha("240 caracteres", "", "POST", "/paginas", kToken,
        R"({"destinos":["Bruno"],"texto":")" + kLonga.toUtf8() + R"("})", 202, R"("paginas":1)",
        {"1002|" + kLonga + o});
    linha("grande demais", "", "POST", "/paginas", kToken, QByteArray(64 * 1024 + 1, ' '), 413,
        "máximo de 65536 bytes");
    linha("sem token", "", "POST", "/paginas", {}, R"({"destinos":["Bruno"],"texto":"x"})", 401,
        "Falta o token");
    linha("token errado", "", "GET", "/saude", "Bearer t0ke", {}, 401, "não confere");
    linha("fila cheia", "cheia", "POST", "/paginas", kToken,
        R"({"destinos":["Bruno"],"texto":"x"})", 503, "Fila cheia");
    linha("alertas", "", "POST", "/alertas?destino=Bruno", kToken, kAlertas, 202,
        R"({"paginas":2,"pedidos":[1,2]})",
        {"1002|" + QString(240, u'a') + o, "1002|CPUAlta instance=web1 severity=critica" + o});
    linha("alertas e resolvidos", "", "POST", "/alertas?destino=1003&resolvidos=1", kToken,
        kAlertas, 202, R"("pedidos":[1,2,3])",
        {"1003|" + QString(240, u'a') + o, "1003|CPUAlta instance=web1 severity=critica" + o,
            "1003|resolvido: Rede ok" + o});
    linha("alertas malformados", "", "POST", "/alertas?destino=Bruno", kToken,
        R"({"alerts":[{"status":"pegando fogo"}]})", 400, "Cada alerta deve ser um objeto");
    linha("alertas sem destino", "", "POST", "/alertas", kToken, kAlertas, 400, "Falta o destino");
    linha("estado", "", "GET", "/paginas/7", kToken, {}, 200,
        R"({"paginas":[{"destino":"1001","estado":"recusada","id":8,"razao":"sem cobertura",)"
        R"("tentativas":2,"usuario":"Ana Souza"}],"pedido":7})");
    linha("estado desconhecido", "", "GET", "/paginas/8", kToken, {}, 404, "Não há o pedido 8");
    linha("saudável", "", "GET", "/saude", kToken, {}, 200, R"({"estado":"ok"})");
    linha("doente", "doente", "GET", "/saude", kToken, {}, 503,
        R"({"estado":"falha","motivo":"O modem não responde"})");
    linha("método errado", "", "GET", "/paginas", kToken, {}, 405, "use POST");
    linha("caminho desconhecido", "", "DELETE", "/fila", kToken, {}, 404, "Caminho desconhecido");
}

void TstServidorHttp::atende()
{
    QFETCH(QString, modo);
    QFETCH(QByteArray, metodo);
    QFETCH(QString, caminho);
    QFETCH(QByteArray, autorizacao);
    QFETCH(QByteArray, corpo);
    QFETCH(int, status);
    QFETCH(QString, resposta);
    QFETCH(QStringList, fila);

    DestinosRoteiro destinos;
    destinos.modo = modo;
    const auto lePedido = [](qint64 pedido) {
        PaginaDaFila p;
        p.id = 8;
        p.destino = {QStringLiteral("1001"), QStringLiteral("Ana Souza"), 1};
        p.estado = EstadoDaFila::Recusada;
        p.tentativas = 2;
        p.ultimaRazao = QStringLiteral("sem cobertura");
        return std::optional(pedido == 7 ? QList<PaginaDaFila>{p} : QList<PaginaDaFila>{});
    };
    const auto leSaude = [&modo] {
        return modo == QLatin1String("doente") ? QStringLiteral("O modem não responde") : QString();
    };
    ConfiguracaoHttp configuracao;
    configuracao.token = QStringLiteral("t0ken");
    configuracao.limites.paginasPorTransacao = 3;
    configuracao.limites.aceitaCodigoAvulso = true;
    ServidorHttp servidor(destinos, configuracao, lePedido, leSaude);
    QString motivo;
    QVERIFY2(servidor.Escuta(QHostAddress::LocalHost, 0, &motivo), qPrintable(motivo));
    QSignalSpy atendeu(&servidor, &ServidorHttp::Atendeu);

    QNetworkAccessManager rede;
    QNetworkRequest pedido(
        QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(servidor.Porta()).arg(caminho)));
    pedido.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    if (!autorizacao.isEmpty())
        pedido.setRawHeader("Authorization", autorizacao);
    std::unique_ptr<QNetworkReply> r(rede.sendCustomRequest(pedido, metodo, corpo));
    QSignalSpy fim(r.get(), &QNetworkReply::finished);
    QVERIFY(fim.wait(10000));

    QCOMPARE(r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
    const QString json = QString::fromUtf8(r->readAll());
    QVERIFY2(json.contains(resposta), qPrintable(json));
    QCOMPARE(destinos.fila, fila);
    QCOMPARE(atendeu.size(), 1);
    QCOMPARE(atendeu.at(0).at(0).toString(),
        QStringLiteral("%1 %2 %3 127.0.0.1").arg(metodo, caminho.section(u'?', 0, 0)).arg(status));
}

QTEST_GUILESS_MAIN(TstServidorHttp)
#include "tst_servidorhttp.moc"
