// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessaoSnpp.h"

#include "TextoSnpp.h"
#include "core/tap/FuncoesTAP.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

RespostaSnpp resposta(int codigo, const QString &texto, bool fecha = false)
{
    return {{QByteArray::number(codigo) + ' ' + texto.toUtf8()}, fecha};
}

RespostaSnpp textoLongo()
{
    return resposta(550,
        QStringLiteral("Texto longo demais: máximo de %1 caracteres")
            .arg(FuncoesTAP::TamanhoMaximoTexto));
}

enum class Comando {
    Page,
    Mess,
    Data,
    Send,
    Rese,
    Quit,
    Help,
    Logi,
    Leve,
    Hold,
    Subj,
    Call,
    Aler,
    Cove,
    Outro
};

// The four-letter words and the long forms RFC 1861 spells them with.
Comando comandoDe(const QString &palavra)
{
    static const struct
    {
        const char *curto;
        const char *longo;
        Comando comando;
    } tabela[] = {{"PAGE", "PAGER", Comando::Page}, {"MESS", "MESSAGE", Comando::Mess},
        {"DATA", "DATA", Comando::Data}, {"SEND", "SEND", Comando::Send},
        {"RESE", "RESET", Comando::Rese}, {"QUIT", "QUIT", Comando::Quit},
        {"HELP", "HELP", Comando::Help}, {"LOGI", "LOGIN", Comando::Logi},
        {"LEVE", "LEVEL", Comando::Leve}, {"HOLD", "HOLDUNTIL", Comando::Hold},
        {"SUBJ", "SUBJECT", Comando::Subj}, {"CALL", "CALLERID", Comando::Call},
        {"ALER", "ALERT", Comando::Aler}, {"COVE", "COVERAGE", Comando::Cove}};
    const QString maiuscula = palavra.toUpper();
    for (const auto &c : tabela) {
        if (maiuscula == QLatin1String(c.curto) || maiuscula == QLatin1String(c.longo))
            return c.comando;
    }
    return Comando::Outro;
}

} // namespace

QByteArray RespostaSnpp::Bytes() const
{
    QByteArray bytes;
    for (const QByteArray &linha : linhas)
        bytes += linha + "\r\n";
    return bytes;
}

SessaoSnpp::SessaoSnpp(DestinosSnpp &destinos, const QString &endereco, LimitesSnpp limites)
    : m_destinos(destinos)
    , m_endereco(endereco)
    , m_limites(limites)
{ }

RespostaSnpp SessaoSnpp::Saudacao()
{
    return resposta(220, QStringLiteral("Tellumo SNPP (RFC 1861) pronto"));
}

RespostaSnpp SessaoSnpp::Ociosa()
{
    return resposta(421, QStringLiteral("Tempo sem comandos esgotado; até logo"), true);
}

RespostaSnpp SessaoSnpp::Recebe(QByteArray linha)
{
    if (linha.endsWith('\r'))
        linha.chop(1);
    return m_emTexto ? linhaDeTexto(linha) : contaErro(comando(linha));
}

RespostaSnpp SessaoSnpp::contaErro(RespostaSnpp r)
{
    // 421 ends a client that only sends errors, so it cannot hold a connection for ever.
    if (!r.linhas.isEmpty() && r.linhas.constFirst().startsWith('5')) {
        if (++m_erros >= m_limites.errosSeguidos) {
            r.linhas += resposta(421, QStringLiteral("Erros demais; até logo")).linhas;
            r.fecha = true;
        }
    } else {
        m_erros = 0;
    }
    return r;
}

RespostaSnpp SessaoSnpp::comando(const QByteArray &linha)
{
    // Too long a line is refused and the session goes on (500 is RFC 1861's "fail but
    // continue"); the server has already dropped the bytes past the limit.
    if (linha.size() > m_limites.bytesPorLinha) {
        return resposta(500,
            QStringLiteral("Linha longa demais: máximo de %1 bytes").arg(m_limites.bytesPorLinha));
    }
    const QString texto = TextoSnpp::Decodifica(linha);
    static const QRegularExpression branco(QStringLiteral("\\s"));
    const qsizetype espaco = texto.indexOf(branco);
    const QString palavra = espaco < 0 ? texto : texto.left(espaco);
    QString argumento = espaco < 0 ? QString() : texto.mid(espaco + 1);
    while (!argumento.isEmpty() && argumento.front().isSpace())
        argumento.remove(0, 1);

    switch (comandoDe(palavra)) {
    case Comando::Page: return page(argumento.trimmed());
    case Comando::Mess:
        if (m_temTexto)
            return resposta(503, QStringLiteral("A mensagem já foi dada (use RESE para trocá-la)"));
        return mensagem(argumento);
    case Comando::Data:
        if (m_temTexto)
            return resposta(503, QStringLiteral("A mensagem já foi dada (use RESE para trocá-la)"));
        m_emTexto = true;
        m_bytesTexto.clear();
        m_textoLongo = false;
        m_linhasDeTexto = 0;
        return resposta(354, QStringLiteral("Digite o texto; termine com uma linha só com '.'"));
    case Comando::Send: return send();
    case Comando::Rese: recomeca(); return resposta(250, QStringLiteral("Transação apagada"));
    case Comando::Quit: return resposta(221, QStringLiteral("Até logo"), true);
    case Comando::Help: {
        RespostaSnpp ajuda;
        for (const QString &l : {QStringLiteral("214 PAGE <código, nome ou grupo>, MESS <texto>, "
                                                "DATA, SEND, RESE, QUIT"),
                 QStringLiteral("214 LOGI <conta> [senha], LEVE <nível>, HOLD "
                                "AAMMDDHHMMSS [+/-GMT], SUBJ, CALL, ALER, COVE, HELP"),
                 QStringLiteral("214 Texto de até %1 caracteres; um grupo recebe em cada membro")
                     .arg(FuncoesTAP::TamanhoMaximoTexto),
                 QStringLiteral("250 Fim da ajuda")})
            ajuda.linhas += l.toUtf8();
        return ajuda;
    }
    case Comando::Logi: return logi(argumento);
    case Comando::Leve: {
        bool numero = false;
        const int nivel = argumento.trimmed().toInt(&numero);
        if (!numero || nivel < 0 || nivel > 11)
            return resposta(550, QStringLiteral("Nível de serviço inválido (0 a 11)"));
        return resposta(250, QStringLiteral("Nível de serviço aceito"));
    }
    case Comando::Hold: {
        const std::optional<QDateTime> hora = TextoSnpp::HoraDeEntrega(argumento);
        if (!hora)
            return resposta(550, QStringLiteral("Hora inválida: use AAMMDDHHMMSS [+/-GMT]"));
        m_naoAntesDe = *hora;
        return resposta(250,
            QStringLiteral("Entrega a partir de %1 UTC")
                .arg(hora->toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))));
    }
    case Comando::Subj:
    case Comando::Call:
    case Comando::Aler: return resposta(250, QStringLiteral("OK"));
    case Comando::Cove:
        // The service has one line and so one coverage area: only that one can be chosen.
        if (argumento.trimmed() == QLatin1String("1"))
            return resposta(250, QStringLiteral("Área de cobertura 1"));
        return resposta(550, QStringLiteral("Só há a área de cobertura 1"));
    case Comando::Outro: break;
    }
    return resposta(500, QStringLiteral("Comando desconhecido"));
}

RespostaSnpp SessaoSnpp::linhaDeTexto(const QByteArray &linha)
{
    if (linha == ".") {
        m_emTexto = false;
        if (m_textoLongo)
            return contaErro(textoLongo());
        return contaErro(mensagem(TextoSnpp::Decodifica(m_bytesTexto)));
    }
    if (m_textoLongo)
        return {};
    // Dot-unstuffing: a text line that begins with a dot came with one more.
    const QByteArray texto = linha.startsWith("..") ? linha.mid(1) : linha;
    if (m_linhasDeTexto++ > 0)
        m_bytesTexto += '\n';
    m_bytesTexto += texto;
    // No character takes more than three bytes of UTF-8 per character counted, so past that
    // the text is too long whatever its encoding; what follows is not kept.
    if (linha.size() > m_limites.bytesPorLinha
        || m_bytesTexto.size() > 3 * FuncoesTAP::TamanhoMaximoTexto) {
        m_textoLongo = true;
        m_bytesTexto.clear();
    }
    return {};
}

RespostaSnpp SessaoSnpp::mensagem(const QString &recebido)
{
    const QString texto = TextoSnpp::Normaliza(recebido);
    if (texto.trimmed().isEmpty())
        return resposta(550, QStringLiteral("Mensagem vazia"));
    if (texto.size() > FuncoesTAP::TamanhoMaximoTexto)
        return textoLongo();
    m_texto = texto;
    m_temTexto = true;
    return resposta(250, QStringLiteral("Mensagem aceita"));
}

RespostaSnpp SessaoSnpp::page(const QString &argumento)
{
    if (m_destinos.HaContas() && m_conta.isEmpty())
        return resposta(550, QStringLiteral("Identifique-se com LOGI antes de PAGE"));
    if (argumento.isEmpty())
        return resposta(550, QStringLiteral("Falta o destino: código, nome ou grupo"));
    ResolucaoSnpp r = m_destinos.Resolve(argumento);
    // "PAGE <pager> <PIN>": the last word may be a PIN, which this service does not use.
    const qsizetype ultimo = argumento.lastIndexOf(QLatin1Char(' '));
    if (r.resultado == ResolucaoSnpp::Resultado::Desconhecido && ultimo > 0)
        r = m_destinos.Resolve(argumento.left(ultimo).trimmed());
    if (r.resultado == ResolucaoSnpp::Resultado::Desconhecido) {
        static const QRegularExpression codigo(QStringLiteral("^\\d{1,10}$"));
        const QString primeiro = argumento.section(QLatin1Char(' '), 0, 0);
        if (!m_limites.aceitaCodigoAvulso || !codigo.match(primeiro).hasMatch())
            return resposta(550, QStringLiteral("Destino desconhecido: %1").arg(argumento));
        r = {ResolucaoSnpp::Resultado::Encontrado, {{primeiro, {}}}, {}};
    }
    if (r.resultado == ResolucaoSnpp::Resultado::Falha)
        return resposta(554, QStringLiteral("Diretório indisponível: %1").arg(r.motivo));
    if (r.destinos.isEmpty())
        return resposta(550, QStringLiteral("O grupo %1 não tem membros").arg(argumento));

    QList<DestinoSnpp> novos;
    for (const DestinoSnpp &d : std::as_const(r.destinos)) {
        const auto mesmo = [&d](const DestinoSnpp &o) { return o.codigo == d.codigo; };
        if (std::none_of(m_paginas.cbegin(), m_paginas.cend(), mesmo)
            && std::none_of(novos.cbegin(), novos.cend(), mesmo))
            novos.append(d);
    }
    if (m_paginas.size() + novos.size() > m_limites.paginasPorTransacao) {
        return resposta(552,
            QStringLiteral("Máximo de %1 páginas por transação")
                .arg(m_limites.paginasPorTransacao));
    }
    m_paginas += novos;
    return resposta(250, QStringLiteral("Destino aceito (%1 páginas)").arg(m_paginas.size()));
}

RespostaSnpp SessaoSnpp::send()
{
    if (m_paginas.isEmpty())
        return resposta(503, QStringLiteral("Falta o destino (PAGE)"));
    if (!m_temTexto)
        return resposta(503, QStringLiteral("Falta a mensagem (MESS ou DATA)"));
    QList<PaginaSnpp> paginas;
    const QString origem = m_conta.isEmpty() ? m_endereco : m_conta;
    for (const DestinoSnpp &d : std::as_const(m_paginas))
        paginas.append({d, m_texto, origem, m_naoAntesDe});
    const ResultadoFila r = m_destinos.Enfileira(paginas);
    switch (r.resultado) {
    case ResultadoFila::Resultado::Aceito:
        recomeca();
        return resposta(250,
            QStringLiteral("Pedido %1 na fila (%2 páginas)")
                .arg(r.identificador)
                .arg(paginas.size()));
    case ResultadoFila::Resultado::Cheia:
        return resposta(554, QStringLiteral("Fila cheia; tente mais tarde"));
    case ResultadoFila::Resultado::Falha:
        return resposta(554, QStringLiteral("Não foi possível enfileirar: %1").arg(r.motivo));
    case ResultadoFila::Resultado::Fatal: break;
    }
    return resposta(421, QStringLiteral("Serviço indisponível: %1").arg(r.motivo), true);
}

RespostaSnpp SessaoSnpp::logi(const QString &argumento)
{
    const QString conta = argumento.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    const QString senha = argumento.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
    m_conta.clear();
    if (conta.isEmpty())
        return resposta(550, QStringLiteral("Falta a conta"));
    if (m_destinos.HaContas() && !m_destinos.ConfereConta(conta, senha))
        return resposta(550, QStringLiteral("Conta ou senha não conferem"));
    m_conta = conta;
    return resposta(250, QStringLiteral("Conta aceita"));
}

void SessaoSnpp::recomeca()
{
    m_paginas.clear();
    m_texto.clear();
    m_temTexto = false;
    m_naoAntesDe = {};
}
