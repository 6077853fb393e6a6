// SPDX-License-Identifier: GPL-3.0-or-later
// Pages posted over HTTP to the real tellumo-servico: 10 clients at once (one
// QNetworkAccessManager each, so one connection each) post 100 requests each, one after the
// other, `POST /paginas` with one destination (a user, by pager code) and a text. Every
// request must be answered 202 (queued, the commit on disk first); prints the total time
// and the reply times. As the SNPP storm, only the intake is measured: [MODEM] names no
// port, so nothing is delivered meanwhile.
#include "Medida.h"
#include "ServicoDeBench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kClientes = 10;
constexpr int kPorCliente = 100;

class Cliente : public QObject
{
public:
    Cliente(int numero, const QUrl &url, QList<double> &tempos, int &ativos)
        : numero_(numero)
        , url_(url)
        , tempos_(tempos)
        , ativos_(ativos)
    {
        posta();
    }
    QByteArray erro;

private:
    void posta()
    {
        QNetworkRequest pedido(url_);
        pedido.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        const QJsonObject corpo{
            {QStringLiteral("destinos"), QJsonArray{ServicoDeBench::Codigo(numero_)}},
            {QStringLiteral("texto"),
                QStringLiteral("Alerta %1 do monitor %2: latência alta no serviço de pagamentos")
                    .arg(feitos_)
                    .arg(numero_)}};
        relogio_.start();
        QNetworkReply *resposta = rede_.post(pedido, QJsonDocument(corpo).toJson());
        connect(resposta, &QNetworkReply::finished, this, [this, resposta] { chegou(resposta); });
    }

    void chegou(QNetworkReply *resposta)
    {
        resposta->deleteLater();
        const int status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 202) {
            erro = QByteArrayLiteral("cliente ") + QByteArray::number(numero_) + ": "
                + QByteArray::number(status) + ' ' + resposta->readAll();
            return termina();
        }
        tempos_.append(medida::Ms(relogio_));
        if (++feitos_ == kPorCliente)
            return termina();
        posta();
    }

    void termina()
    {
        if (--ativos_ == 0)
            QCoreApplication::quit();
    }

    int numero_;
    QUrl url_;
    QList<double> &tempos_;
    int &ativos_;
    QNetworkAccessManager rede_;
    QElapsedTimer relogio_;
    int feitos_ = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ServicoDeBench servico;
    const quint16 porta = ServicoDeBench::PortaLivre();
    if (!servico.Pronto() || !servico.CriaUsuarios(kClientes)
        || !servico.Inicia(QStringLiteral("[SNPP]\nPorta=%1\n[HTTP]\nPorta=%2\n")
                               .arg(ServicoDeBench::PortaLivre())
                               .arg(porta))) {
        std::fprintf(stderr, "%s\n", qPrintable(servico.Erro()));
        return 1;
    }
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/paginas").arg(porta));
    QList<double> tempos;
    const auto [segundos, erros] = RodaClientes<Cliente>(
        kClientes, [&](int i, int &ativos) { return new Cliente(i, url, tempos, ativos); });
    const double pico = servico.PicoDeMemoriaMB();
    const double processador = servico.ProcessadorMs();
    servico.Para();

    std::sort(tempos.begin(), tempos.end());
    const qsizetype aceitas = tempos.size();
    std::printf(
        "HTTP: %lld de %d páginas respondidas 202 em %.2f s (%.0f por segundo); resposta: "
        "mediana %.2f ms, p99 %.2f ms; serviço: pico de memória %.1f MB, processador %.0f ms\n",
        static_cast<long long>(aceitas), kClientes * kPorCliente, segundos,
        double(aceitas) / segundos, Percentil(tempos, 0.5), Percentil(tempos, 0.99), pico,
        processador);
    if (!erros.isEmpty())
        std::fprintf(stderr, "%s", erros.constData());
    const bool todas = aceitas == kClientes * kPorCliente;
    medida::Relata(QStringLiteral("HTTP: 1 000 páginas de 10 clientes, todas 202"),
        todas ? segundos : 1e9, "s", 5);
    return todas && segundos < 5 ? 0 : 2;
}
