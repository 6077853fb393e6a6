// SPDX-License-Identifier: GPL-3.0-or-later
// tellumo-enviar: hands a page to Tellumo's paging service over SNPP, for scripts and
// monitoring systems. Exit status: 0 queued, 1 refused by the server, 2 server unreachable or
// wrong usage, so a script can tell "try again later" from "fix the request".
#include "core/snpp/ClienteSnpp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int kEnfileirado = 0;
constexpr int kRecusado = 1;
constexpr int kInalcancavel = 2; // also wrong usage

int falha(const QString &texto, int status)
{
    QTextStream(stderr) << "tellumo-enviar: " << texto << Qt::endl;
    return status;
}

QString semQuebrasNoFim(QString texto)
{
    while (texto.endsWith(QLatin1Char('\n')) || texto.endsWith(QLatin1Char('\r')))
        texto.chop(1);
    return texto;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Põe uma mensagem na fila do serviço de radiochamada do Tellumo (SNPP).\n"
                       "Sai com 0 quando a mensagem foi aceita (o identificador do pedido sai na "
                       "saída padrão),\n1 quando o servidor a recusou e 2 quando o servidor não "
                       "foi alcançado ou o uso está errado."));
    const QCommandLineOption ajuda = parser.addHelpOption();
    const QCommandLineOption servidor({QStringLiteral("s"), QStringLiteral("servidor")},
        QStringLiteral("Servidor SNPP: HOST, HOST:PORTA ou [IPv6]:PORTA (padrão 127.0.0.1:444)."),
        QStringLiteral("SERVIDOR[:PORTA]"));
    const QCommandLineOption conta({QStringLiteral("u"), QStringLiteral("conta")},
        QStringLiteral("Conta no servidor (LOGI); a senha vem de --arquivo-senha ou de "
                       "TELLUMO_SENHA."),
        QStringLiteral("CONTA"));
    const QCommandLineOption arquivoSenha(QStringLiteral("arquivo-senha"),
        QStringLiteral("Arquivo cuja primeira linha é a senha da conta."),
        QStringLiteral("ARQUIVO"));
    const QCommandLineOption mensagem({QStringLiteral("m"), QStringLiteral("mensagem")},
        QStringLiteral("Texto da mensagem; sem esta opção o texto é lido da entrada padrão."),
        QStringLiteral("TEXTO"));
    const QCommandLineOption espera(QStringLiteral("espera"),
        QStringLiteral("Segundos de espera por cada resposta do servidor (padrão 30)."),
        QStringLiteral("SEGUNDOS"), QStringLiteral("30"));
    parser.addOptions({servidor, conta, arquivoSenha, mensagem, espera});
    parser.addPositionalArgument(QStringLiteral("DESTINO"),
        QStringLiteral("Código do pager, nome do usuário ou nome do grupo (um ou mais)."),
        QStringLiteral("DESTINO..."));

    const QString uso = QStringLiteral(" (veja tellumo-enviar --help)");
    if (!parser.parse(app.arguments())) {
        QString erro = parser.errorText();
        if (erro.endsWith(QLatin1Char('.')))
            erro.chop(1);
        return falha(erro + uso, kInalcancavel);
    }
    if (parser.isSet(ajuda))
        parser.showHelp(kEnfileirado);

    PedidoSnpp pedido;
    pedido.destinos = parser.positionalArguments();
    if (pedido.destinos.isEmpty())
        return falha(QStringLiteral("falta o destino") + uso, kInalcancavel);
    if (parser.isSet(servidor)) {
        const std::optional<EnderecoSnpp> endereco = EnderecoSnpp::Le(parser.value(servidor));
        if (!endereco) {
            return falha(QStringLiteral("servidor inválido: %1 (use HOST, HOST:PORTA ou "
                                        "[IPv6]:PORTA)")
                             .arg(parser.value(servidor)),
                kInalcancavel);
        }
        pedido.endereco = *endereco;
    }
    bool numero = false;
    const double segundos = parser.value(espera).toDouble(&numero);
    if (!numero || segundos <= 0 || segundos > 3600)
        return falha(
            QStringLiteral("espera inválida: %1").arg(parser.value(espera)), kInalcancavel);

    pedido.conta = parser.value(conta);
    if (parser.isSet(arquivoSenha)) {
        QFile arquivo(parser.value(arquivoSenha));
        if (!arquivo.open(QIODevice::ReadOnly)) {
            return falha(QStringLiteral("não foi possível ler %1: %2")
                             .arg(arquivo.fileName(), arquivo.errorString()),
                kInalcancavel);
        }
        pedido.senha = semQuebrasNoFim(QString::fromUtf8(arquivo.readLine()));
    } else {
        pedido.senha = qEnvironmentVariable("TELLUMO_SENHA");
    }

    if (parser.isSet(mensagem)) {
        pedido.texto = parser.value(mensagem);
    } else {
        QFile entrada;
        if (!entrada.open(stdin, QIODevice::ReadOnly))
            return falha(QStringLiteral("não foi possível ler a entrada padrão"), kInalcancavel);
        pedido.texto = semQuebrasNoFim(QString::fromUtf8(entrada.readAll()));
    }

    const ClienteSnpp cliente(std::chrono::milliseconds(qRound64(segundos * 1000)));
    const ResultadoEnvio r = cliente.Envia(pedido);
    switch (r.resultado) {
    case ResultadoEnvio::Resultado::Aceito:
        QTextStream(stdout) << r.identificador << Qt::endl;
        return kEnfileirado;
    case ResultadoEnvio::Resultado::Recusado: return falha(r.motivo, kRecusado);
    case ResultadoEnvio::Resultado::Inalcancavel: break;
    }
    return falha(r.motivo, kInalcancavel);
}
