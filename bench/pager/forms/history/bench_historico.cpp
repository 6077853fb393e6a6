// SPDX-License-Identifier: GPL-3.0-or-later
// The history window over a long log, in a fresh process: the time to open it (until its
// first screen is painted, wall clock: the operator waits for it), the peak resident
// memory of the whole process, the jump to the last page and back, and what each further
// history window adds. Every row holds a 50-character name and a 240-character message;
// one user (identifier 1) received every tenth message.
//   bench_pager_historico ARQUIVO|CONEXAO LINHAS [usuario]
// ARQUIVO is made with LINHAS rows when it does not exist (this takes a while once) and
// reused afterwards; "usuario" opens that user's history instead of all messages.
// CONEXAO (a libpq connection string, "host=... dbname=...") measures the same history on
// a PostgreSQL server whose tables exist (tellumo-banco criar); an empty Log is filled
// with the same rows first, by the server itself.
#include "BancoDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "core/directory/BancoDeDados.h"
#include "forms/history/Historico.h"
#include "forms/history/frmHistorico.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kUsuarios = 1000;
constexpr int kIdMedido = 1;

bool Povoa(const QString &caminho, int linhas)
{
    const QFileInfo arquivo(caminho);
    if (!BancoDeTeste::CriaBancoVazio(arquivo.absolutePath(), arquivo.fileName()))
        return false;
    QSqlDatabase db = BancoDeTeste::AbreConexao(caminho, QStringLiteral("povoa"));
    bool ok = db.transaction();
    {
        QSqlQuery l(db);
        l.prepare(QStringLiteral("INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, "
                                 "ID_Usuario) VALUES (?, ?, ?, ?, ?, ?)"));
        const QString mensagem = QStringLiteral("Mensagem de teste ").repeated(14).left(240);
        for (int i = 0; ok && i < linhas; ++i) {
            // Every tenth row goes to the measured user; the dates are scattered over ten
            // years, so the order of the history is not the order of the file.
            const int usuario = i % 10 == 0 ? kIdMedido : 2 + (i * 13) % (kUsuarios - 1);
            const int minuto = int((qint64(i) * 7919) % (3650 * 1440));
            l.bindValue(
                0, QDate(2016, 1, 1).addDays(minuto / 1440).toString(QStringLiteral("yyyyMMdd")));
            l.bindValue(1,
                QStringLiteral("%1:%2")
                    .arg(minuto % 1440 / 60, 2, 10, QLatin1Char('0'))
                    .arg(minuto % 60, 2, 10, QLatin1Char('0')));
            l.bindValue(2, QStringLiteral("Usuário %1").arg(usuario).leftJustified(50));
            l.bindValue(3, mensagem);
            l.bindValue(4, QString::number(5550000 + usuario));
            l.bindValue(5, usuario);
            ok = l.exec();
            if (!ok)
                std::fprintf(stderr, "falhou: %s\n", qPrintable(l.lastError().text()));
        }
    }
    ok = ok && db.commit();
    db = QSqlDatabase();
    BancoDeTeste::FechaConexao(QStringLiteral("povoa"));
    return ok;
}

// The same rows as Povoa, made by the server in one statement (a row at a time over the
// connection would take minutes). Every run vacuums the log first, outside the measure: the
// vacuum in the process that filled it leaves the pages not marked all-visible (seen on
// PostgreSQL 15), and without that mark the server sorts the table instead of walking the
// history's covering index (the window opened in 1.8 s instead of 0.65 s).
bool PreparaServidor(int linhas)
{
    QSqlQuery q(BancoDeDados());
    if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Log)")) || !q.next())
        return false;
    if (!q.value(0).toBool()) {
        q.prepare(QStringLiteral(
            "INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, ID_Usuario) "
            "SELECT to_char(DATE '2016-01-01' + m / 1440, 'YYYYMMDD'), "
            "to_char(m % 1440 / 60, 'FM00') || ':' || to_char(m % 60, 'FM00'), "
            "rpad('Usuário ' || u, 50), left(repeat('Mensagem de teste ', 14), 240), "
            "(5550000 + u)::text, u "
            "FROM (SELECT CASE WHEN i % 10 = 0 THEN ? ELSE 2 + (i * 13) % (? - 1) END AS u, "
            "(i::bigint * 7919 % (3650 * 1440))::integer AS m "
            "FROM generate_series(0, CAST(? AS integer) - 1) AS i) AS s"));
        q.addBindValue(kIdMedido);
        q.addBindValue(kUsuarios);
        q.addBindValue(linhas);
        if (!q.exec()) {
            std::fprintf(stderr, "falhou: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    if (!q.exec(QStringLiteral("VACUUM ANALYZE Log"))) {
        std::fprintf(stderr, "falhou: %s\n", qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

// Lets the grid lay itself out and paint what is on screen.
void Pinta(frmHistorico *janela)
{
    QApplication::processEvents();
    janela->grdGride()->viewport()->repaint();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s ARQUIVO|CONEXAO LINHAS [usuario]\n", argv[0]);
        return 1;
    }
    const QString caminho = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int linhas = QString::fromLatin1(argv[2]).toInt();
    const bool doUsuario = argc > 3 && qstrcmp(argv[3], "usuario") == 0;
    // A libpq connection string always holds a "keyword=value"; a file name hardly ever.
    const bool noServidor = std::strchr(argv[1], '=') != nullptr;
    if (noServidor) {
        QString motivo;
        if (!AbreServidor(QString::fromLocal8Bit(argv[1]), &motivo)) {
            std::fprintf(stderr, "servidor não aberto: %s\n", qPrintable(motivo));
            return 1;
        }
        QElapsedTimer relogio;
        relogio.start();
        if (!PreparaServidor(linhas))
            return 1;
        std::printf("servidor pronto em %.1f s\n", medida::Ms(relogio) / 1e3);
    } else if (!QFileInfo::exists(caminho)) {
        QElapsedTimer relogio;
        relogio.start();
        if (!Povoa(caminho, linhas)) {
            std::fprintf(stderr, "banco não criado em %s\n", qPrintable(caminho));
            return 1;
        }
        std::printf("%d linhas gravadas em %.1f s\n", linhas, medida::Ms(relogio) / 1e3);
    }
    if (!noServidor
        && !AbreBancoDeDados(QFileInfo(caminho).absolutePath(), QFileInfo(caminho).fileName())) {
        std::fprintf(stderr, "banco não aberto: %s\n", qPrintable(caminho));
        return 1;
    }

    QMdiArea area;
    area.resize(1024, 700);
    area.show();
    QApplication::processEvents();
    CaixaMensagemGravada caixa;
    const std::optional<int> quem = doUsuario ? std::optional<int>(kIdMedido) : std::nullopt;
    const int esperadas = doUsuario ? (linhas + 9) / 10 : linhas;
    const QString rotulo = (doUsuario ? QStringLiteral("histórico de um usuário, %1 de %2 linhas")
                                            .arg(esperadas)
                                            .arg(linhas)
                                      : QStringLiteral("histórico de todas, %1 linhas").arg(linhas))
        + (noServidor ? QStringLiteral(" no PostgreSQL") : QString());

    QElapsedTimer relogio;
    relogio.start();
    frmHistorico *janela = ExibeHistorico(&area, caixa, quem);
    if (!janela || janela->grdGride()->model()->rowCount() != esperadas) {
        std::fprintf(stderr, "a janela não abriu com %d linhas\n", esperadas);
        return 1;
    }
    Pinta(janela);
    const double abertura = medida::Ms(relogio);
    const double depoisDaPrimeira = medida::MemoriaMB();

    QScrollBar *barra = janela->grdGride()->verticalScrollBar();
    relogio.restart();
    barra->setValue(barra->maximum());
    Pinta(janela);
    const double fim = medida::Ms(relogio);
    const QString ultima = janela->grdGride()
                               ->indexAt(QPoint(1, janela->grdGride()->viewport()->height() - 2))
                               .data()
                               .toString();
    relogio.restart();
    barra->setValue(0);
    Pinta(janela);
    const double inicio = medida::Ms(relogio);

    // Two more windows on the same rows: what each one adds.
    double aMais = 0;
    double antes = medida::MemoriaMB();
    for (int i = 0; i < 2; ++i) {
        frmHistorico *outra = ExibeHistorico(&area, caixa, quem);
        if (!outra)
            return 1;
        Pinta(outra);
        const double agora = medida::MemoriaMB();
        aMais = std::max(aMais, agora - antes);
        antes = agora;
    }
    const double pico = medida::PicoDeMemoriaMB();

    std::printf("%s: aberta em %.0f ms, última página %.1f ms (data %s), volta %.1f ms\n",
        qPrintable(rotulo), abertura, fim, qPrintable(ultima), inicio);
    std::printf("memória: %.1f MB com uma janela, %.1f MB com três, pico %.1f MB\n",
        depoisDaPrimeira, antes, pico);
    medida::Relata(rotulo + QStringLiteral(": abertura"), abertura, "ms", 1000);
    medida::Relata(rotulo + QStringLiteral(": pico de memória"), pico, "MB", 300);
    medida::Relata(rotulo + QStringLiteral(": ir à última página"), fim, "ms", 50);
    medida::Relata(rotulo + QStringLiteral(": voltar ao início"), inicio, "ms", 50);
    medida::Relata(rotulo + QStringLiteral(": cada janela a mais"), aMais, "MB", 50);
    FechaBancoDeDados();
    return caixa.quantidade() == 0 ? 0 : 1;
}
