// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalTap.h"

#include "ChecksumTap.h"

#include <QJsonObject>

using namespace tap;

namespace {

QJsonObject evento(const char *nome)
{
    return {{QStringLiteral("evento"), QString::fromLatin1(nome)}};
}

bool soDigitos(const QByteArray &codigo)
{
    if (codigo.isEmpty())
        return false;
    for (char c : codigo) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

const QByteArray fimDeLinha(1, CR);

} // namespace

TerminalTap::TerminalTap(const OpcoesSimulador &o, RegistroEventos &r)
    : opcoes(o)
    , registro(r)
{ }

void TerminalTap::reinicia()
{
    estado = Estado::AguardaLogon;
    buffer.clear();
    blocosJulgados = 0;
    naksDoBloco = 0;
    camposAnteriores.clear();
    silencioAnotado = false;
}

TerminalTap::Resposta TerminalTap::recebe(QByteArrayView bytes)
{
    Resposta resposta;
    if (estado == Estado::Encerrada)
        return resposta;
    buffer += bytes;
    if (estado == Estado::AguardaLogon) {
        qsizetype fim;
        while (estado == Estado::AguardaLogon && (fim = buffer.indexOf(CR)) >= 0) {
            const QByteArray linha = buffer.left(fim);
            buffer.remove(0, fim + 1);
            trataLinhaAntesDoLogon(linha, resposta);
        }
    }
    while (estado == Estado::Sessao && trataSessao(resposta)) { }
    if (resposta.desliga)
        estado = Estado::Encerrada;
    return resposta;
}

void TerminalTap::trataLinhaAntesDoLogon(const QByteArray &linha, Resposta &resposta)
{
    if (opcoes.semId)
        return;
    const QByteArray pedido = QByteArray(1, ESC) + "PG1";
    const qsizetype inicio = linha.indexOf(pedido);
    if (inicio < 0) {
        // Anything else, a bare CR above all, is a caller still looking for the prompt.
        resposta.bytes += "ID=";
        return;
    }
    QJsonObject logon = evento("logon");
    logon.insert(QStringLiteral("senha"), QString::fromLatin1(linha.mid(inicio + pedido.size())));
    if (opcoes.semAckLogon) {
        logon.insert(QStringLiteral("respondido"), false);
        registro.anota(logon);
        return;
    }
    logon.insert(QStringLiteral("respondido"), true);
    registro.anota(logon);
    resposta.bytes += "110 1.8" + fimDeLinha + ACK + CR + ESC + "[p" + CR;
    estado = Estado::Sessao;
}

bool TerminalTap::trataSessao(Resposta &resposta)
{
    if (opcoes.silenciaApos >= 0 && blocosJulgados >= opcoes.silenciaApos) {
        // Fallen silent: whatever arrives, log-off included, stays unanswered.
        if (!silencioAnotado && !buffer.isEmpty())
            registro.anota(evento("silencio"));
        silencioAnotado = silencioAnotado || !buffer.isEmpty();
        buffer.clear();
        return false;
    }
    const qsizetype inicio = buffer.indexOf(STX);
    const qsizetype logoff = buffer.indexOf(QByteArray(1, EOT) + CR);
    if (logoff >= 0 && (inicio < 0 || logoff < inicio)) {
        buffer.clear();
        registro.anota(evento("logoff"));
        resposta.bytes += "115 Ate logo" + fimDeLinha + ESC + EOT + CR;
        resposta.desliga = true;
        return false;
    }
    if (inicio < 0) {
        // Noise between blocks (a stray CR, the modem's escape) is dropped.
        if (buffer.endsWith(CR))
            buffer.clear();
        return false;
    }
    qsizetype fimTexto = -1;
    for (qsizetype i = inicio + 1; i < buffer.size(); ++i) {
        const char c = buffer.at(i);
        if (c == ETX || c == ETB || c == US) {
            fimTexto = i;
            break;
        }
    }
    // The block ends with three checksum characters and CR after its terminator.
    if (fimTexto < 0 || buffer.size() < fimTexto + 5)
        return false;
    const QByteArray bloco = buffer.mid(inicio, fimTexto - inicio + 1);
    const QByteArray conferencia = buffer.mid(fimTexto + 1, 3);
    const bool terminado = buffer.at(fimTexto + 4) == CR;
    buffer.remove(0, fimTexto + (terminado ? 5 : 4));
    if (!terminado) {
        resposta.bytes += QByteArray(1, NAK) + CR;
        QJsonObject nak = evento("nak");
        nak.insert(QStringLiteral("motivo"), QStringLiteral("formato"));
        registro.anota(nak);
        return true;
    }
    julgaBloco(bloco, conferencia, resposta);
    return !resposta.desliga;
}

void TerminalTap::julgaBloco(
    const QByteArray &bloco, const QByteArray &conferencia, Resposta &resposta)
{
    if (opcoes.desconectaApos >= 0 && blocosJulgados >= opcoes.desconectaApos) {
        resposta.bytes += QByteArray(1, ESC) + EOT + CR;
        resposta.desliga = true;
        return;
    }
    if (opcoes.caiApos >= 0 && blocosJulgados >= opcoes.caiApos) {
        resposta.desliga = true;
        return;
    }
    // The page's fields so far: a block after one ended with US goes on with the same field.
    const QByteArray campos = camposAnteriores + bloco.mid(1, bloco.size() - 2);
    const QList<QByteArray> partes = campos.split(CR);
    const QByteArray codigo = partes.value(0);
    const QByteArray texto = partes.value(1);
    QJsonObject nak = evento("nak");
    nak.insert(QStringLiteral("codigo"), QString::fromLatin1(codigo));
    if (tap::checksum(bloco) != conferencia) {
        nak.insert(QStringLiteral("motivo"), QStringLiteral("checksum"));
        registro.anota(nak);
        resposta.bytes += QByteArray(1, NAK) + CR;
        return;
    }
    if (naksDoBloco < opcoes.naks) {
        ++naksDoBloco;
        nak.insert(QStringLiteral("motivo"), QStringLiteral("simulado"));
        registro.anota(nak);
        resposta.bytes += QByteArray(1, NAK) + CR;
        return;
    }
    naksDoBloco = 0;
    ++blocosJulgados;
    camposAnteriores.clear();
    if (opcoes.blocoMax > 0 && bloco.size() - 2 > opcoes.blocoMax)
        return recusa(codigo, texto, "504 Bloco longo demais", resposta);
    if (bloco.back() == US) {
        // The page is judged when its last block comes.
        camposAnteriores = campos;
        resposta.bytes += QByteArray(1, ACK) + CR;
        return;
    }
    if (bloco.back() != ETX || partes.size() != 3 || !partes.last().isEmpty())
        return recusa(codigo, texto, "503 Bloco fora do formato", resposta);
    if (!soDigitos(codigo) || opcoes.recusados.contains(codigo))
        return recusa(codigo, texto, "511 Codigo de pager invalido", resposta);
    QJsonObject pagina = evento("pagina");
    pagina.insert(QStringLiteral("codigo"), QString::fromLatin1(codigo));
    pagina.insert(QStringLiteral("texto"), QString::fromLatin1(texto));
    registro.anota(pagina);
    resposta.bytes += "211 Mensagem aceita" + fimDeLinha + ACK + CR;
}

void TerminalTap::recusa(
    const QByteArray &codigo, const QByteArray &texto, const char *linha, Resposta &resposta)
{
    QJsonObject r = evento("recusa");
    r.insert(QStringLiteral("codigo"), QString::fromLatin1(codigo));
    r.insert(QStringLiteral("texto"), QString::fromLatin1(texto));
    r.insert(QStringLiteral("motivo"), QString::fromLatin1(linha));
    registro.anota(r);
    resposta.bytes += linha + fimDeLinha + RS + CR;
}
