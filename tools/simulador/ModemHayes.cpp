// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModemHayes.h"

#include <QJsonObject>
#include <algorithm>

namespace {

constexpr char CR = 0x0d;
constexpr char LF = 0x0a;
constexpr char BS = 0x08;
constexpr qsizetype linhaMaxima = 80;

QJsonObject evento(const char *nome)
{
    return {{QStringLiteral("evento"), QString::fromLatin1(nome)}};
}

char maiuscula(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool digito(char c)
{
    return c >= '0' && c <= '9';
}

bool caractereDeDiscagem(char c)
{
    return digito(c) || c == ' ' || c == 'W' || c == ',' || c == '-' || c == 'T' || c == 'P'
        || c == '*' || c == '#';
}

} // namespace

ModemHayes::ModemHayes(const OpcoesSimulador &o, RegistroEventos &r)
    : opcoes(o)
    , registro(r)
    , terminal(o, r)
    , saida(o.cps)
{ }

void ModemHayes::recebe(QByteArrayView bytes, qint64 agora)
{
    if (opcoes.mudo)
        return;
    for (char c : bytes) {
        c = char(c & 0x7f);
        switch (modo) {
        case Modo::Comando: recebeComando(c, agora); break;
        case Modo::Dados: recebeDados(c, agora); break;
        case Modo::Discando:
            // Any character aborts a dial in progress, as on a real modem.
            anotaDiscagem("NO CARRIER");
            resultado("NO CARRIER", agora);
            modo = Modo::Comando;
            break;
        }
    }
}

void ModemHayes::recebeComando(char c, qint64 agora)
{
    if (eco)
        saida.poe(QByteArrayView(&c, 1), agora);
    if (c == CR) {
        const QByteArray comando = linha;
        linha.clear();
        executa(comando, agora);
    } else if (c == BS) {
        linha.chop(1);
    } else if (c != LF) {
        linha += c;
    }
}

void ModemHayes::recebeDados(char c, qint64 agora)
{
    if (fimGuarda) {
        // Data inside the guard time: it was no escape after all.
        fimGuarda.reset();
        sinaisMais = 0;
    }
    sinaisMais = (c == '+') ? sinaisMais + 1 : 0;
    if (sinaisMais == 3)
        fimGuarda = agora + opcoes.guardaMs;
    const TerminalTap::Resposta resposta = terminal.recebe(QByteArrayView(&c, 1));
    saida.poe(resposta.bytes, agora + opcoes.atrasoMs);
    if (resposta.desliga) {
        desliga("central");
        resultado("NO CARRIER", agora + opcoes.atrasoMs);
    }
}

void ModemHayes::executa(const QByteArray &recebida, qint64 agora)
{
    const qsizetype at = recebida.toUpper().indexOf("AT");
    // Whatever precedes "AT" is line noise, and a line without it is no command at all.
    if (at < 0)
        return;
    const QByteArray comando = recebida.mid(at);
    QJsonObject e = evento("comando");
    e.insert(QStringLiteral("linha"), QString::fromLatin1(comando));
    registro.anota(e);
    if (comando.size() > linhaMaxima)
        return resultado("ERROR", agora);
    switch (interpreta(comando.mid(2))) {
    case Desfecho::Ok: return resultado("OK", agora);
    case Desfecho::Erro: return resultado("ERROR", agora);
    case Desfecho::VoltaADados:
        resultado(nivelX == 0 ? "CONNECT" : "CONNECT 9600", agora);
        modo = Modo::Dados;
        return;
    case Desfecho::Discando:
        discagem = comando;
        modo = Modo::Discando;
        fimDiscagem = agora + opcoes.tempoDiscagemMs;
        return;
    }
}

ModemHayes::Desfecho ModemHayes::interpreta(const QByteArray &comandos)
{
    qsizetype i = 0;
    const qsizetype n = comandos.size();
    auto numero = [&]() {
        int valor = -1;
        while (i < n && digito(comandos.at(i)))
            valor = std::max(valor, 0) * 10 + (comandos.at(i++) - '0');
        return valor;
    };
    while (i < n) {
        const char c = maiuscula(comandos.at(i++));
        switch (c) {
        case ' ': break;
        case 'E': {
            const int v = numero();
            if (v > 1)
                return Desfecho::Erro;
            eco = v == 1;
            break;
        }
        case 'X': {
            const int v = numero();
            if (v > 4)
                return Desfecho::Erro;
            nivelX = std::max(v, 0);
            break;
        }
        case 'H':
            if (numero() > 0)
                return Desfecho::Erro;
            if (chamada)
                desliga("ATH0");
            break;
        case 'Z':
            // A reset ends the line: the rest is not read.
            eco = true;
            nivelX = 4;
            if (chamada)
                desliga("ATZ");
            return Desfecho::Ok;
        case 'O': numero(); return chamada ? Desfecho::VoltaADados : Desfecho::Erro;
        case 'D': {
            if (chamada)
                return Desfecho::Erro;
            const QByteArray numeroDiscado = comandos.mid(i).toUpper().trimmed();
            const bool valido = !numeroDiscado.isEmpty()
                && std::all_of(numeroDiscado.begin(), numeroDiscado.end(), caractereDeDiscagem)
                && std::any_of(numeroDiscado.begin(), numeroDiscado.end(), digito);
            return valido ? Desfecho::Discando : Desfecho::Erro;
        }
        // Accepted and without effect here: speaker, quiet and verbose modes, identity.
        case 'L':
        case 'M':
        case 'Q':
        case 'V':
        case 'I': numero(); break;
        case '&':
            if (i < n)
                ++i;
            numero();
            break;
        default: return Desfecho::Erro;
        }
    }
    return Desfecho::Ok;
}

void ModemHayes::avanca(qint64 agora)
{
    if (modo == Modo::Discando && agora >= fimDiscagem)
        terminaDiscagem(agora);
    if (fimGuarda && agora >= *fimGuarda) {
        fimGuarda.reset();
        sinaisMais = 0;
        modo = Modo::Comando;
        registro.anota(evento("escape"));
        resultado("OK", agora);
    }
}

void ModemHayes::terminaDiscagem(qint64 agora)
{
    using D = OpcoesSimulador::Discagem;
    const char *texto = nullptr;
    switch (opcoes.discagem) {
    case D::Conecta: texto = nivelX == 0 ? "CONNECT" : "CONNECT 9600"; break;
    // X0 to X2 do not listen for the busy tone, X0, X1 and X3 not for the dial tone: the call
    // then just fails to connect.
    case D::Ocupado: texto = nivelX >= 3 ? "BUSY" : "NO CARRIER"; break;
    case D::SemTom: texto = (nivelX == 2 || nivelX == 4) ? "NO DIALTONE" : "NO CARRIER"; break;
    case D::SemPortadora: texto = "NO CARRIER"; break;
    }
    anotaDiscagem(texto);
    resultado(texto, agora);
    if (opcoes.discagem == D::Conecta) {
        chamada = true;
        terminal.reinicia();
        modo = Modo::Dados;
    } else {
        modo = Modo::Comando;
    }
}

void ModemHayes::anotaDiscagem(const char *texto)
{
    QByteArray numero = discagem.mid(discagem.toUpper().indexOf('D') + 1).trimmed();
    const bool pulso = numero.toUpper().startsWith('P');
    if (pulso || numero.toUpper().startsWith('T'))
        numero = numero.mid(1).trimmed();
    QJsonObject e = evento("discagem");
    e.insert(QStringLiteral("linha"), QString::fromLatin1(discagem));
    e.insert(QStringLiteral("numero"), QString::fromLatin1(numero));
    e.insert(QStringLiteral("tipo"), pulso ? QStringLiteral("pulso") : QStringLiteral("tom"));
    e.insert(QStringLiteral("resultado"), QString::fromLatin1(texto));
    registro.anota(e);
}

void ModemHayes::desliga(const char *motivo)
{
    chamada = false;
    modo = Modo::Comando;
    fimGuarda.reset();
    sinaisMais = 0;
    QJsonObject e = evento("desligamento");
    e.insert(QStringLiteral("motivo"), QString::fromLatin1(motivo));
    registro.anota(e);
}

void ModemHayes::resultado(const char *texto, qint64 agora)
{
    saida.poe(QByteArray("\r\n") + texto + "\r\n", agora);
}

QByteArray ModemHayes::retira(qint64 agora)
{
    return saida.retira(agora);
}

std::optional<qint64> ModemHayes::proximoPrazo() const
{
    std::optional<qint64> prazo = saida.proximoPrazo();
    auto considera = [&prazo](qint64 t) { prazo = prazo ? std::min(*prazo, t) : t; };
    if (modo == Modo::Discando)
        considera(fimDiscagem);
    if (fimGuarda)
        considera(*fimGuarda);
    return prazo;
}
