// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/snpp/DestinosSnpp.h"
#include "core/snpp/SenhaDeConta.h"

#include <QStringList>

// A directory of three users and two groups, one account, and a queue that keeps what it
// takes. `modo` scripts the queue: "cheia" is full, "fatal" has lost its database.
class DestinosRoteiro : public DestinosSnpp
{
public:
    QString modo;
    QByteArray resumo = SenhaDeConta::Resumo(QStringLiteral("s3gredo"));
    QStringList fila;

    ResolucaoSnpp Resolve(const QString &nome) override
    {
        const QList<DestinoSnpp> usuarios = {{QStringLiteral("1001"), QStringLiteral("Ana Souza")},
            {QStringLiteral("1002"), QStringLiteral("Bruno")},
            {QStringLiteral("1003"), QStringLiteral("Carla")}};
        const auto igual
            = [&nome](const QString &s) { return s.compare(nome, Qt::CaseInsensitive) == 0; };
        if (igual(QStringLiteral("Plantão")))
            return {ResolucaoSnpp::Resultado::Encontrado, usuarios.mid(0, 2), {}};
        if (igual(QStringLiteral("Vazio")))
            return {ResolucaoSnpp::Resultado::Encontrado, {}, {}};
        for (const DestinoSnpp &u : usuarios) {
            if (igual(u.codigo) || igual(u.nome))
                return {ResolucaoSnpp::Resultado::Encontrado, {u}, {}};
        }
        return {};
    }
    bool HaContas() const override { return modo.contains(QLatin1String("contas")); }
    bool ConfereConta(const QString &conta, const QString &senha) override
    {
        return conta == QLatin1String("monitor") && SenhaDeConta::Confere(resumo, senha);
    }
    ResultadoFila Enfileira(const QList<PaginaSnpp> &paginas) override
    {
        if (modo == QLatin1String("cheia") || modo == QLatin1String("fatal"))
            return {modo == QLatin1String("cheia") ? ResultadoFila::Resultado::Cheia
                                                   : ResultadoFila::Resultado::Fatal,
                {}, QStringLiteral("banco perdido")};
        for (const PaginaSnpp &p : paginas) {
            fila += p.destino.codigo + u'|' + p.texto + u'|' + p.origem
                + (p.naoAntesDe.isValid() ? u'|' + p.naoAntesDe.toString(Qt::ISODate) : QString());
        }
        return {ResultadoFila::Resultado::Aceito, QString::number(fila.size()), {}};
    }
};
