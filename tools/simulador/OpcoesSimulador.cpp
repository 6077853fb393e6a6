// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcoesSimulador.h"

#include <QCommandLineParser>

namespace {

struct Inteiro
{
    QCommandLineOption opcao;
    int OpcoesSimulador::*campo;
};

QCommandLineOption valor(const QString &nome, const QString &descricao, const QString &nomeValor)
{
    return QCommandLineOption(nome, descricao, nomeValor);
}

} // namespace

LeituraOpcoes leOpcoes(const QStringList &argumentos)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simula um modem Hayes e uma central de radiochamada TAP 1.8 num pseudoterminal.\n"
        "A primeira linha da saída padrão é o caminho do terminal."));
    const QCommandLineOption ajuda = parser.addHelpOption();
    const QCommandLineOption link = valor(QStringLiteral("link"),
        QStringLiteral("Cria um link simbólico para o terminal."), QStringLiteral("caminho"));
    const QCommandLineOption log = valor(QStringLiteral("log"),
        QStringLiteral("Registra discagens e mensagens (um objeto JSON por linha)."),
        QStringLiteral("arquivo"));
    const QCommandLineOption ocupado(
        QStringLiteral("ocupado"), QStringLiteral("A discagem dá BUSY."));
    const QCommandLineOption semTom(QStringLiteral("sem-tom"),
        QStringLiteral("A discagem dá NO DIALTONE (NO CARRIER com ATX0, X1 ou X3)."));
    const QCommandLineOption semPortadora(
        QStringLiteral("sem-portadora"), QStringLiteral("A discagem dá NO CARRIER."));
    const QCommandLineOption mudo(
        QStringLiteral("mudo"), QStringLiteral("Modem morto: não responde nada, nem eco."));
    const QCommandLineOption semId(
        QStringLiteral("sem-id"), QStringLiteral("A central nunca responde ID=."));
    const QCommandLineOption semAck(
        QStringLiteral("sem-ack-logon"), QStringLiteral("A central não responde ao ESC PG1."));
    const QCommandLineOption recusa = valor(QStringLiteral("recusa"),
        QStringLiteral("Códigos de pager recusados (vírgulas; pode repetir)."),
        QStringLiteral("codigos"));
    const QList<Inteiro> inteiros = {
        {valor(QStringLiteral("tempo-limite"),
             QStringLiteral("Termina sozinho após s segundos (0: nunca)."), QStringLiteral("s")),
            &OpcoesSimulador::tempoLimiteS},
        {valor(QStringLiteral("nak"),
             QStringLiteral("Responde NAK n vezes a cada bloco antes de julgá-lo."),
             QStringLiteral("n")),
            &OpcoesSimulador::naks},
        {valor(QStringLiteral("silencia-apos"),
             QStringLiteral("Depois de k blocos a central não responde mais."),
             QStringLiteral("k")),
            &OpcoesSimulador::silenciaApos},
        {valor(QStringLiteral("desconecta-apos"),
             QStringLiteral("Depois de k blocos a central desliga (ESC EOT CR)."),
             QStringLiteral("k")),
            &OpcoesSimulador::desconectaApos},
        {valor(QStringLiteral("cai-apos"),
             QStringLiteral("Depois de k blocos a ligação cai sem aviso."), QStringLiteral("k")),
            &OpcoesSimulador::caiApos},
        {valor(QStringLiteral("bloco-max"),
             QStringLiteral("Recusa (RS) blocos com mais de n caracteres entre STX e o "
                            "terminador (0: qualquer tamanho; TAP 1.8 permite 250)."),
             QStringLiteral("n")),
            &OpcoesSimulador::blocoMax},
        {valor(QStringLiteral("tcp"),
             QStringLiteral("Serve também a central como gateway TAP em 127.0.0.1:PORTA "
                            "(0: uma porta livre); o endereço sai na segunda linha."),
             QStringLiteral("PORTA")),
            &OpcoesSimulador::portaTcp},
        {valor(QStringLiteral("atraso"),
             QStringLiteral("Atraso de cada resposta da central, em ms."), QStringLiteral("ms")),
            &OpcoesSimulador::atrasoMs},
        {valor(QStringLiteral("cps"),
             QStringLiteral("Limite de caracteres por segundo enviados (960 = 9600 bit/s 7E1; "
                            "0: sem limite)."),
             QStringLiteral("n")),
            &OpcoesSimulador::cps},
        {valor(QStringLiteral("tempo-discagem"),
             QStringLiteral("Duração da discagem, em ms (500)."), QStringLiteral("ms")),
            &OpcoesSimulador::tempoDiscagemMs},
        {valor(QStringLiteral("guarda"),
             QStringLiteral("Silêncio após +++ que volta ao modo de comando, em ms (1000)."),
             QStringLiteral("ms")),
            &OpcoesSimulador::guardaMs},
    };
    parser.addOptions({link, log, ocupado, semTom, semPortadora, mudo, semId, semAck, recusa});
    for (const Inteiro &i : inteiros)
        parser.addOption(i.opcao);

    LeituraOpcoes leitura;
    auto falha = [&leitura](const QString &texto) {
        leitura.erro = true;
        leitura.mensagem = texto;
        return leitura;
    };
    if (!parser.parse(argumentos))
        return falha(parser.errorText());
    if (parser.isSet(ajuda)) {
        leitura.mensagem = parser.helpText();
        return leitura;
    }
    if (!parser.positionalArguments().isEmpty())
        return falha(
            QStringLiteral("argumento inesperado: %1").arg(parser.positionalArguments().first()));

    OpcoesSimulador o;
    o.link = parser.value(link);
    o.log = parser.value(log);
    const int escolhas
        = int(parser.isSet(ocupado)) + int(parser.isSet(semTom)) + int(parser.isSet(semPortadora));
    if (escolhas > 1)
        return falha(QStringLiteral("use só uma de --ocupado, --sem-tom, --sem-portadora"));
    if (parser.isSet(ocupado))
        o.discagem = OpcoesSimulador::Discagem::Ocupado;
    if (parser.isSet(semTom))
        o.discagem = OpcoesSimulador::Discagem::SemTom;
    if (parser.isSet(semPortadora))
        o.discagem = OpcoesSimulador::Discagem::SemPortadora;
    o.mudo = parser.isSet(mudo);
    o.semId = parser.isSet(semId);
    o.semAckLogon = parser.isSet(semAck);
    for (const QString &lista : parser.values(recusa)) {
        for (const QString &codigo : lista.split(QLatin1Char(','), Qt::SkipEmptyParts))
            o.recusados.insert(codigo.trimmed().toLatin1());
    }
    for (const Inteiro &i : inteiros) {
        if (!parser.isSet(i.opcao))
            continue;
        const QString texto = parser.value(i.opcao);
        bool ok = false;
        const int n = texto.toInt(&ok);
        if (!ok || n < 0)
            return falha(
                QStringLiteral("valor inválido para --%1: %2").arg(i.opcao.names().first(), texto));
        o.*(i.campo) = n;
    }
    if (o.portaTcp > 65535)
        return falha(QStringLiteral("valor inválido para --tcp: %1").arg(o.portaTcp));
    leitura.opcoes = o;
    return leitura;
}
