// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicoDePaginas.h"

#include "ConfiguracaoDoServico.h"
#include "ContasDoServico.h"
#include "DestinosDoDiretorio.h"
#include "Diario.h"
#include "Entregador.h"
#include "ListagemDaFila.h"
#include "SaudeDaLinha.h"
#include "ServidorSnpp.h"
#include "TerminoPorSinal.h"
#include "core/directory/BancoDeDados.h"
#include "core/http/ServidorHttp.h"
#include "core/queue/AcompanhaFila.h"
#include "core/queue/FilaDePaginas.h"
#include "core/settings/ArquivoIni.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

using diario::Prioridade;

namespace {

std::optional<ConfiguracaoDoServico> leConfiguracao(const ArquivosDoServico &arquivos)
{
    const QFileInfo ini(arquivos.ini);
    QString motivo;
    auto config = ConfiguracaoDoServico::Le(
        ArquivoIni(ini.absolutePath(), ini.fileName()), arquivos.bancoPadrao, &motivo);
    if (!config)
        diario::Escreve(Prioridade::Erro, arquivos.ini + QStringLiteral(": ") + motivo);
    return config;
}

bool abreDiretorio(const ConfiguracaoDoServico &config, const ArquivosDoServico &arquivos)
{
    QString motivo;
    if (!config.servidorBanco.isEmpty()) {
        if (AbreServidor(config.servidorBanco, &motivo))
            return true;
    } else {
        if (config.arquivoBanco == arquivos.bancoPadrao)
            arquivos.PreparaBanco(config.arquivoBanco);
        const QFileInfo banco(config.arquivoBanco);
        if (AbreBancoDeDados(banco.absolutePath(), banco.fileName()))
            return true;
        motivo = QStringLiteral("o arquivo %1 não existe ou não é um diretório do Tellumo")
                     .arg(config.arquivoBanco);
    }
    diario::Escreve(
        Prioridade::Erro, QStringLiteral("Não foi possível abrir o diretório: %1.").arg(motivo));
    return false;
}

} // namespace

namespace ServicoDePaginas {

int Executa(const ArquivosDoServico &arquivos)
{
    // Before any thread: every thread inherits the blocked signals.
    TerminoPorSinal termino;
    const auto config = leConfiguracao(arquivos);
    if (!config || !abreDiretorio(*config, arquivos))
        return 1;
    QHash<QString, QByteArray> contas;
    if (!config->arquivoDeContas.isEmpty()) {
        QString motivo;
        const auto lidas = ContasDoServico::Le(config->arquivoDeContas, &motivo);
        if (!lidas) {
            diario::Escreve(Prioridade::Erro, motivo);
            return 1;
        }
        contas = *lidas;
    }

    QThread linha;
    linha.setObjectName(QStringLiteral("entrega"));
    SaudeDaLinha saude;
    Entregador entregador(*config, arquivos.ini, saude);
    entregador.moveToThread(&linha);
    DestinosDoDiretorio destinos(contas, config->maximoDePaginas, [&entregador] {
        QMetaObject::invokeMethod(&entregador, &Entregador::Acorda, Qt::QueuedConnection);
    });
    ServidorSnpp servidor(destinos, config->limites,
        LimitesDoServidorSnpp{config->maximoDeConexoes, config->segundosOcioso * 1000});
    QString motivo;
    if (!servidor.Escuta(config->enderecosSnpp, config->portaSnpp, &motivo)) {
        diario::Escreve(Prioridade::Erro, motivo);
        FechaBancoDeDados();
        return 1;
    }
    FilaDePaginas fila;
    std::unique_ptr<ServidorHttp> http;
    if (config->portaHttp != 0) {
        http = std::make_unique<ServidorHttp>(
            destinos, ConfiguracaoHttp{config->tokenHttp, config->limites},
            [&fila](qint64 pedido) { return fila.PaginasDoPedido(pedido); },
            [&fila, &saude]() -> QString {
                if (!fila.ProximoVencimento())
                    return fila.Erro();
                return saude.Problema();
            });
        QObject::connect(http.get(), &ServidorHttp::Atendeu, [](const QString &pedido) {
            diario::Escreve(Prioridade::Info, QStringLiteral("HTTP ") + pedido);
        });
        if (!http->Escuta(config->enderecoHttp, config->portaHttp, &motivo)) {
            diario::Escreve(Prioridade::Erro, motivo);
            FechaBancoDeDados();
            return 1;
        }
        diario::Escreve(Prioridade::Nota,
            QStringLiteral("Recebendo páginas por HTTP em %1, porta %2.")
                .arg(config->enderecoHttp.toString())
                .arg(http->Porta()));
    }
    QStringList enderecos;
    for (const QHostAddress &endereco : config->enderecosSnpp)
        enderecos.append(endereco.toString());
    diario::Escreve(Prioridade::Nota,
        QStringLiteral("Recebendo páginas por SNPP em %1, porta %2; diretório: %3.")
            .arg(enderecos.join(QStringLiteral(", ")))
            .arg(servidor.Porta())
            .arg(config->servidorBanco.isEmpty() ? config->arquivoBanco
                                                 : QStringLiteral("servidor PostgreSQL")));

    QObject::connect(&termino, &TerminoPorSinal::pedido, qApp, [](int) {
        diario::Escreve(Prioridade::Nota, QStringLiteral("Encerrando a pedido."));
        QCoreApplication::exit(0);
    });
    QObject::connect(&entregador, &Entregador::falhou, qApp, [](const QString &razao) {
        diario::Escreve(Prioridade::Erro, razao);
        QCoreApplication::exit(1);
    });
    // Pages queued or made due by other processes (an operator's "Tentar Agora", another
    // service's intake on the same server) wake the delivery as the service's own do.
    AcompanhaFila acompanha;
    QObject::connect(&acompanha, &AcompanhaFila::Mudou, &entregador, &Entregador::Acorda);
    QObject::connect(&linha, &QThread::started, &entregador, &Entregador::Inicia);
    linha.start();
    const int status = QCoreApplication::exec();

    // A delivery under way ends first (the line is never left off-hook).
    QMetaObject::invokeMethod(&entregador, &Entregador::Termina, Qt::QueuedConnection);
    linha.wait();
    FechaBancoDeDados();
    return status;
}

int MostraFila(const ArquivosDoServico &arquivos)
{
    const auto config = leConfiguracao(arquivos);
    if (!config || !abreDiretorio(*config, arquivos))
        return 1;
    FilaDePaginas fila;
    const auto paginas = fila.Lista();
    if (!paginas) {
        diario::Escreve(Prioridade::Erro, fila.Erro());
        FechaBancoDeDados();
        return 1;
    }
    std::fputs(ListagemDaFila(*paginas).toLocal8Bit().constData(), stdout);
    FechaBancoDeDados();
    return 0;
}

} // namespace ServicoDePaginas
