// SPDX-License-Identifier: GPL-3.0-or-later
// Times the directory statements the windows wait for, on a file holding 5 000 users,
// 200 groups, 20 000 memberships and 100 000 log rows. Run by hand; prints its figures.
#include "BancoDeTeste.h"
#include "BancoTemporario.h"
#include "Medida.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kUsuarios = 5000;
constexpr int kGrupos = 200;
constexpr int kAssociacoes = 20000;
constexpr int kLog = 100000;

bool Insere(QSqlQuery &q, const QVariantList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        q.bindValue(i, valores.at(i));
    if (!q.exec()) {
        std::fprintf(stderr, "falhou: %s\n", qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

bool Povoa(QSqlDatabase db)
{
    db.transaction();
    QSqlQuery u(db), g(db), ug(db), l(db);
    u.prepare(QStringLiteral("INSERT INTO Usuarios (Nome_Usuario, ID_Pager, Descricao, "
                             "Data_Cadastro) VALUES (?, ?, ?, ?)"));
    g.prepare(QStringLiteral("INSERT INTO Grupos (Nome_Grupo, Descricao_Grupo) VALUES (?, ?)"));
    ug.prepare(QStringLiteral("INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo) VALUES (?, ?)"));
    l.prepare(QStringLiteral("INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, "
                             "ID_Usuario) VALUES (?, ?, ?, ?, ?, ?)"));
    // Names in a scrambled order so the sort does real work.
    for (int i = 1; i <= kUsuarios; ++i) {
        const QString nome = QStringLiteral("Usuário %1").arg((i * 7919) % kUsuarios, 5);
        if (!Insere(u,
                {nome, QString::number(5550000 + i),
                    QStringLiteral("Não há descrição para este usuário."),
                    QStringLiteral("06/12/1998")}))
            return false;
    }
    for (int i = 1; i <= kGrupos; ++i) {
        if (!Insere(g, {QStringLiteral("Grupo %1").arg(i), QStringLiteral("descrição")}))
            return false;
    }
    for (int i = 0; i < kAssociacoes; ++i) {
        if (!Insere(ug, {1 + (i * 31) % kUsuarios, 1 + i % kGrupos}))
            return false;
    }
    const QString texto = QStringLiteral("Mensagem de teste com um texto de tamanho médio, "
                                         "como os que a central recebe todos os dias.");
    for (int i = 0; i < kLog; ++i) {
        const int dia = (i * 7) % 3650;
        const QDate data = QDate(2016, 1, 1).addDays(dia);
        const int usuario = 1 + (i * 13) % kUsuarios;
        if (!Insere(l,
                {data.toString(QStringLiteral("yyyyMMdd")),
                    QStringLiteral("%1:%2")
                        .arg(i % 24, 2, 10, QLatin1Char('0'))
                        .arg(i % 60, 2, 10, QLatin1Char('0')),
                    QStringLiteral("Usuário %1").arg(usuario, 5), texto,
                    QString::number(5550000 + usuario), usuario}))
            return false;
    }
    return db.commit();
}

struct Medida
{
    double mediana;
    double maximo;
};

Medida Mede(int vezes, const std::function<bool()> &passo)
{
    std::vector<double> ms;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer relogio;
        relogio.start();
        if (!passo())
            return {-1, -1};
        ms.push_back(relogio.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Walks a snapshot reading every column the windows show, as they do.
bool Percorre(std::optional<Instantaneo> s, const QStringList &colunas, int esperado)
{
    if (!s)
        return false;
    int n = 0;
    for (; !s->NoFim(); s->Proximo(), ++n) {
        for (const QString &c : colunas)
            s->Campo(c).toString();
    }
    return n == esperado;
}

void Relata(const char *nome, Medida m, double limite)
{
    std::printf("%-44s mediana %8.2f ms  máximo %8.2f ms  (limite %g ms) %s\n", nome, m.mediana,
        m.maximo, limite, m.mediana >= 0 && m.mediana < limite ? "ok" : "ACIMA DO LIMITE");
    medida::Relata(QString::fromUtf8(nome) + QStringLiteral(" (5 000 usuários, 100 000 linhas)"),
        m.mediana >= 0 ? m.mediana : 1e9, "ms", limite);
}

// The figures, with the program's own operations on the program's connection.
void Medir()
{
    Diretorio d;
    const QStringList usuario{"ID_Usuario", "Nome_Usuario"};
    const QStringList log{"Data", "Hora", "Usuario", "Mensagem", "ID_Pager", "ID_Usuario"};
    Relata("1: lista de usuários, percorrida",
        Mede(21, [&] { return Percorre(d.ListaUsuarios(), usuario, kUsuarios); }), 100);
    Relata("28: histórico de todas as mensagens",
        Mede(5, [&] { return Percorre(BancoDeTeste::ListaLog(), log, kLog); }), 1000);
    Relata("29: histórico de um usuário",
        Mede(21, [&] { return Percorre(BancoDeTeste::ListaLog(77), log, kLog / kUsuarios); }),
        1000);
    Relata("22: membros de um grupo",
        Mede(21,
            [&] { return Percorre(d.MembrosDoGrupo(5), {"ID_Usuario"}, kAssociacoes / kGrupos); }),
        100);
    int n = 0;
    Relata("30: uma linha de log gravada",
        Mede(201,
            [&] {
                return d.GravaLog(QDateTime::currentDateTime(), QStringLiteral("Usuário"),
                    QStringLiteral("texto"), QStringLiteral("5551234"), ++n);
            }),
        5);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BancoTemporario banco;
    if (!banco.Aberto()) {
        std::fprintf(stderr, "banco não criado: %s\n", qPrintable(banco.Erro()));
        return 1;
    }
    QElapsedTimer relogio;
    relogio.start();
    if (!Povoa(BancoDeDados()))
        return 1;
    std::printf("%d usuários, %d grupos, %d associações, %d linhas de log em %lld ms\n", kUsuarios,
        kGrupos, kAssociacoes, kLog, relogio.elapsed());

    Medir();
    FechaBancoDeDados();
    return 0;
}
