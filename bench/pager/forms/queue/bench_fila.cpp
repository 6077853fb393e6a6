// SPDX-License-Identifier: GPL-3.0-or-later
// The queue window over a long queue, in a fresh process: the time to open it (until its
// first screen is painted, wall clock: the operator waits for it) and the resident memory it
// adds to the program, both on the directory file.
//   bench_pager_fila ARQUIVO LINHAS
// ARQUIVO is made with LINHAS pages in the table Fila when it does not exist (in one
// transaction, a few seconds once) and reused afterwards. The pages are of every state, most
// of them delivered, as a queue a service has drained for months; each has a text of 80 to
// 240 characters.
#include "BancoDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "core/directory/BancoDeDados.h"
#include "core/queue/PaginaDaFila.h"
#include "forms/queue/Fila.h"
#include "forms/queue/frmFila.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <cstdio>

namespace {

bool Povoa(const QString &caminho, int linhas)
{
    const QFileInfo arquivo(caminho);
    if (!BancoDeTeste::CriaBancoVazio(arquivo.absolutePath(), arquivo.fileName()))
        return false;
    QSqlDatabase db = BancoDeTeste::AbreConexao(caminho, QStringLiteral("povoa"));
    bool ok = db.transaction();
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO Fila (ID_Pedido, ID_Pager, Usuario, ID_Usuario, Mensagem, Origem, "
            "Enfileirada, Vencimento, Ultima_Tentativa, Tentativas, Ultima_Razao, Servico, "
            "Estado) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QString texto = QStringLiteral("Alerta do monitor: disco cheio em /var no servidor "
                                             "de arquivos do andar %1. ")
                                  .repeated(4);
        const QDateTime inicio(QDate(2025, 6, 1), QTime(0, 0), Qt::UTC);
        for (int i = 0; ok && i < linhas; ++i) {
            // Nine in ten delivered; the rest waiting, refused, given up or cancelled.
            const EstadoDaFila estado = i % 10 != 0 ? EstadoDaFila::Entregue
                : i % 40 == 0                       ? EstadoDaFila::Aguardando
                : i % 40 == 10                      ? EstadoDaFila::Recusada
                : i % 40 == 20                      ? EstadoDaFila::Desistida
                                                    : EstadoDaFila::Cancelada;
            const QDateTime quando = inicio.addSecs(qint64(i) * 157);
            const int usuario = i % 500;
            // As the program binds its values (LigaValores: an empty text is not NULL).
            LigaValores(q,
                {i + 1, QString::number(5550000 + usuario),
                    QStringLiteral("Usuário %1").arg(usuario).leftJustified(50), usuario + 1,
                    texto.arg(i % 9).left(80 + i % 161),
                    i % 3 == 0 ? QStringLiteral("127.0.0.1") : QStringLiteral("monitor"),
                    TextoDoMomento(quando),
                    TextoDoMomento(quando.addSecs(estado == EstadoDaFila::Aguardando ? 600 : 0)),
                    TextoDoMomento(quando.addSecs(2)), estado == EstadoDaFila::Desistida ? 10 : 1,
                    estado == EstadoDaFila::Entregue
                        ? QString()
                        : QStringLiteral("Linha ocupada, tente novamente."),
                    QStringLiteral("central"), TextoDoEstado(estado)});
            ok = q.exec();
            if (!ok)
                std::fprintf(stderr, "falhou: %s\n", qPrintable(q.lastError().text()));
        }
    }
    ok = ok && db.commit();
    db = QSqlDatabase();
    BancoDeTeste::FechaConexao(QStringLiteral("povoa"));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s ARQUIVO LINHAS\n", argv[0]);
        return 1;
    }
    const QFileInfo arquivo(QString::fromLocal8Bit(argv[1]));
    const int linhas = QString::fromLatin1(argv[2]).toInt();
    if (!arquivo.exists()) {
        QElapsedTimer relogio;
        relogio.start();
        if (!Povoa(arquivo.absoluteFilePath(), linhas)) {
            QFile::remove(arquivo.absoluteFilePath());
            std::fprintf(stderr, "banco não criado em %s\n", qPrintable(arquivo.filePath()));
            return 1;
        }
        std::printf("%d páginas gravadas em %.1f s\n", linhas, medida::Ms(relogio) / 1e3);
    }
    if (!AbreBancoDeDados(arquivo.absolutePath(), arquivo.fileName())) {
        std::fprintf(stderr, "banco não aberto: %s\n", qPrintable(arquivo.filePath()));
        return 1;
    }

    QMdiArea area;
    area.resize(1024, 700);
    area.show();
    QApplication::processEvents();
    CaixaMensagemGravada caixa;
    const double antes = medida::MemoriaMB();
    QElapsedTimer relogio;
    relogio.start();
    frmFila *janela = ExibeFila(&area, caixa);
    if (!janela || janela->lstFila()->model()->rowCount() != linhas) {
        std::fprintf(stderr, "a janela não abriu com %d linhas\n", linhas);
        return 1;
    }
    QApplication::processEvents();
    janela->lstFila()->viewport()->repaint();
    const double abertura = medida::Ms(relogio);
    const double aMais = medida::MemoriaMB() - antes;

    std::printf("fila de %d páginas: janela aberta e pintada em %.0f ms, %.1f MB a mais "
                "(%.1f MB no processo, pico %.1f MB)\n",
        linhas, abertura, aMais, medida::MemoriaMB(), medida::PicoDeMemoriaMB());
    const QString rotulo = QStringLiteral("janela da fila, %1 páginas").arg(linhas);
    medida::Relata(rotulo + QStringLiteral(": abertura"), abertura, "ms", 300);
    medida::Relata(rotulo + QStringLiteral(": memória a mais"), aMais, "MB", 100);
    FechaBancoDeDados();
    return caixa.quantidade() == 0 && abertura < 300 && aMais < 100 ? 0 : 2;
}
