// SPDX-License-Identifier: GPL-3.0-or-later
// tellumo-servico: takes pages over SNPP, queues them in the directory and delivers them.
#include "core/service/ArquivosDoServico.h"
#include "core/service/ContasDoServico.h"
#include "core/service/Diario.h"
#include "core/service/ServicoDePaginas.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

// One line of standard input, not echoed when it is a terminal.
QString leSenha()
{
    termios antes{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &antes) == 0;
    if (terminal) {
        std::fputs("Senha: ", stderr);
        termios sem = antes;
        sem.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &sem);
    }
    QTextStream entrada(stdin);
    const QString senha = entrada.readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &antes);
        std::fputs("\n", stderr);
    }
    return senha;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tellumo-servico"));
    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QStringLiteral(
        "Recebe páginas por SNPP, guarda-as na fila do diretório e entrega-as à central."));
    opcoes.addHelpOption();
    const QCommandLineOption config(QStringLiteral("config"),
        QStringLiteral("As configurações (padrão: servico.ini)."), QStringLiteral("ARQUIVO"));
    const QCommandLineOption detalhado(
        QStringLiteral("verbose"), QStringLiteral("Registra também o diálogo."));
    const QCommandLineOption fila(
        QStringLiteral("fila"), QStringLiteral("Mostra a fila e termina."));
    const QCommandLineOption senha(QStringLiteral("senha"),
        QStringLiteral("Gera a linha do arquivo de contas para CONTA (senha pela entrada)."),
        QStringLiteral("CONTA"));
    opcoes.addOptions({config, detalhado, fila, senha});
    opcoes.process(app);

    diario::DefineDetalhado(opcoes.isSet(detalhado));
    if (opcoes.isSet(senha)) {
        const QByteArray linha = ContasDoServico::Linha(opcoes.value(senha), leSenha());
        if (linha.isEmpty()) {
            std::fputs("tellumo-servico: nome de conta inválido (sem espaços nem ':') ou falha "
                       "ao gerar o resumo da senha.\n",
                stderr);
            return 1;
        }
        std::puts(linha.constData());
        return 0;
    }
    const auto arquivos
        = ArquivosDoServico::De(QCoreApplication::applicationDirPath(), opcoes.value(config));
    return opcoes.isSet(fila) ? ServicoDePaginas::MostraFila(arquivos)
                              : ServicoDePaginas::Executa(arquivos);
}
