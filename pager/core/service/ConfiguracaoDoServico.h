// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/queue/PoliticaDeRepeticao.h"
#include "core/snpp/SessaoSnpp.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <optional>

class ArquivoIni;

// What the paging service reads from its settings file ("servico.ini", Tellumo.INI's format).
// [MODEM] is read by the modem procedures themselves, as in Tellumo; the rest is read once, at
// start:
//   [BANCO]  Servidor (a PostgreSQL connection string, as Tellumo's) or Arquivo (a Pager.Mdb)
//   [SNPP]   Endereço, Porta, Máximo de Conexões, Segundos Ocioso, Páginas por Envio,
//            Código Avulso (Sim/Não), Arquivo de Contas
//   [FILA]   Nome do Serviço, Máximo de Páginas, Primeira Espera, Fator, Máximo de Tentativas,
//            Idade Máxima
//   [HTTP]   Porta (none: no HTTP), Endereço, Token
// Keys and values written in UTF-8 by an editor are read as well as Windows-1252 ones.
struct ConfiguracaoDoServico
{
    QString servidorBanco;
    QString arquivoBanco; // absolute; used when servidorBanco is empty

    QList<QHostAddress> enderecosSnpp{QHostAddress(QHostAddress::LocalHost)};
    quint16 portaSnpp = 444;
    int maximoDeConexoes = 32;
    int segundosOcioso = 60;
    LimitesSnpp limites;
    QString arquivoDeContas; // empty: every client may page

    quint16 portaHttp = 0; // 0: no HTTP intake
    QHostAddress enderecoHttp{QHostAddress::LocalHost};
    QString tokenHttp; // empty: no token asked

    QString nome; // tells this service's claims from those of others sharing the queue
    int maximoDePaginas = 100000; // pages waiting or being sent; 0: no limit
    PoliticaDeRepeticao politica;

    // Reads `ini`; a relative Arquivo (or Arquivo de Contas) is taken from `pastaDoIni`,
    // a missing Arquivo is `bancoPadrao`. std::nullopt with a Portuguese `motivo` for a value
    // that is not what its key takes.
    static std::optional<ConfiguracaoDoServico> Le(
        const ArquivoIni &ini, const QString &bancoPadrao, QString *motivo);
};
