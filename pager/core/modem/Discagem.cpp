// SPDX-License-Identifier: GPL-3.0-or-later
#include "Discagem.h"

#include "core/settings/ArquivoIni.h"

#include <cmath>

QString TelefonePadrao()
{
    return QStringLiteral("3472-5100");
}

ParametrosDiscagem LeParametrosDiscagem(const ArquivoIni &ini)
{
    const QString secao = QStringLiteral("DISCAGEM");
    ParametrosDiscagem p;
    p.pabx = ini.LePerfil(secao, QStringLiteral("PABX"), QStringLiteral("Não"));
    p.linha = ini.LePerfil(secao, QStringLiteral("Linha"), QStringLiteral("Pulso"));
    p.prefixoPabx = ini.LePerfil(secao, QStringLiteral("PrefixoPABX"), QStringLiteral("VAZIO"));
    p.padrao = ini.LePerfil(secao, QStringLiteral("Padrão"), QStringLiteral("011"));
    p.prefixo = ini.LePerfil(secao, QStringLiteral("Prefixo"), QStringLiteral("011"));
    p.telefone = ini.LePerfil(secao, QStringLiteral("Telefone"), TelefonePadrao());
    return p;
}

QString SoImprimiveis(const QString &texto)
{
    QString limpo;
    limpo.reserve(texto.size());
    for (const QChar c : texto) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            limpo.append(c);
    }
    return limpo;
}

QString MontaLinhaDiscagem(const ParametrosDiscagem &p)
{
    QString comando = QStringLiteral("AT");
    if (p.pabx == QStringLiteral("Sim"))
        comando += QStringLiteral("X3");
    comando += p.linha == QStringLiteral("Tom") ? QStringLiteral("DT") : QStringLiteral("DP");

    QString partePabx;
    if (p.prefixoPabx != QStringLiteral("VAZIO"))
        partePabx = p.prefixoPabx + QLatin1Char('W');

    QString area;
    if (ValorNumerico(p.padrao) != ValorNumerico(p.prefixo))
        area = p.padrao;

    return SoImprimiveis(comando + QLatin1Char(' ') + partePabx + area + p.telefone);
}

double ValorNumerico(const QString &texto)
{
    QString s = texto;
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\t'));
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        ++i;
    while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128)
        ++i;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128)
            ++i;
    }
    bool ok = false;
    const double v = s.left(i).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

const QList<QByteArray> &CodigosDeResultado()
{
    static const QList<QByteArray> codigos = {"NO C", "NO D", "NODI", "CONN", "BUSY"};
    return codigos;
}

int ClassificaResposta(const QByteArray &buffer)
{
    static const struct
    {
        const char *texto;
        int codigo;
    } ordem[] = {{"NO C", kSemPortadora}, {"NO D", kSemTom}, {"NODI", kSemTom},
        {"CONN", kConectado}, {"BUSY", kOcupado}};
    int codigo = kSemResposta;
    for (const auto &o : ordem) {
        if (buffer.contains(o.texto))
            codigo = o.codigo;
    }
    return codigo;
}
