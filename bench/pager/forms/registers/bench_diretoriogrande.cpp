// SPDX-License-Identifier: GPL-3.0-or-later
// A large directory, in a fresh process: 50 000 users, 10 000 groups, 100 000
// memberships. Times the two list statements walked as the windows walk them (targets
// under 50 ms) and every window that lists users or groups, from its creation until it is
// on screen (targets under 300 ms). Each figure is the first of its kind in the process,
// as the operator meets it after the program starts.
//   bench_pager_diretoriogrande ARQUIVO
// ARQUIVO is made when it does not exist and reused afterwards.
#include "BancoDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "Medida.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/directory/ListasDoDiretorio.h"
#include "core/settings/ArquivoIni.h"
#include "forms/registers/frmCadastraGrupo.h"
#include "forms/registers/frmCadastraUsuarios.h"
#include "forms/registers/frmUsuariosGrupo.h"
#include "forms/registers/frmVisualizaUsuarios.h"
#include "forms/send/frmMontaMsg.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int kUsuarios = 50000;
constexpr int kGrupos = 10000;
constexpr int kAssociacoes = 100000;

bool Executa(QSqlQuery &q, const QVariantList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        q.bindValue(i, valores.at(i));
    if (q.exec())
        return true;
    std::fprintf(stderr, "falhou: %s\n", qPrintable(q.lastError().text()));
    return false;
}

// Names in a scrambled order, with and without accents and in both cases, so the sort
// does real work.
QString Nome(const char *prefixo, int i, int n)
{
    static const char *const kInicios[] = {"Álvaro", "ana", "Bruno", "élcio", "Zé", "Ângela"};
    const int k = int((qint64(i) * 7919) % n);
    return QString::fromUtf8(kInicios[k % 6]) + QLatin1Char(' ') + QString::fromLatin1(prefixo)
        + QString::number(k);
}

bool Povoa(const QString &caminho)
{
    const QFileInfo arquivo(caminho);
    if (!BancoDeTeste::CriaBancoVazio(arquivo.absolutePath(), arquivo.fileName()))
        return false;
    QSqlDatabase db = BancoDeTeste::AbreConexao(caminho, QStringLiteral("povoa"));
    bool ok = db.transaction();
    {
        QSqlQuery u(db), g(db), ug(db);
        u.prepare(QStringLiteral("INSERT INTO Usuarios (Nome_Usuario, ID_Pager, Descricao, "
                                 "Data_Cadastro) VALUES (?, ?, ?, '06/12/1998')"));
        g.prepare(QStringLiteral("INSERT INTO Grupos (Nome_Grupo, Descricao_Grupo) VALUES (?, ?)"));
        ug.prepare(
            QStringLiteral("INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo) VALUES (?, ?)"));
        for (int i = 0; ok && i < kUsuarios; ++i)
            ok = Executa(u,
                {Nome("usuário", i, kUsuarios), QString::number(5550000 + i),
                    QStringLiteral("Não há descrição para este usuário.")});
        for (int i = 0; ok && i < kGrupos; ++i)
            ok = Executa(g, {Nome("g", i, kGrupos), QStringLiteral("descrição")});
        for (int i = 0; ok && i < kAssociacoes; ++i)
            ok = Executa(ug, {1 + (i * 31) % kUsuarios, 1 + i % kGrupos});
    }
    ok = ok && db.commit();
    db = QSqlDatabase();
    BancoDeTeste::FechaConexao(QStringLiteral("povoa"));
    return ok;
}

double Ms(const std::function<bool()> &passo)
{
    QElapsedTimer relogio;
    relogio.start();
    if (!passo())
        return -1;
    return double(relogio.nsecsElapsed()) / 1e6;
}

// Shows the window and waits until it is painted.
bool NaTela(QWidget &janela)
{
    janela.show();
    QApplication::processEvents();
    janela.repaint();
    return janela.isVisible();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s ARQUIVO\n", argv[0]);
        return 1;
    }
    const QFileInfo arquivo(QString::fromLocal8Bit(argv[1]));
    if (!arquivo.exists()) {
        const double ms = Ms([&] { return Povoa(arquivo.absoluteFilePath()); });
        if (ms < 0)
            return 1;
        std::printf("%d usuários, %d grupos, %d associações gravados em %.1f s\n", kUsuarios,
            kGrupos, kAssociacoes, ms / 1e3);
    }
    if (!AbreBancoDeDados(arquivo.absolutePath(), arquivo.fileName())) {
        std::fprintf(stderr, "banco não aberto\n");
        return 1;
    }

    Diretorio diretorio;
    const auto lista = [&](auto ler, int esperado) {
        return Ms([&] {
            const auto itens = ler(diretorio);
            return itens && itens->size() == esperado;
        });
    };
    const double usuarios = lista(listas::Usuarios, kUsuarios);
    const double grupos = lista(listas::Grupos, kGrupos);

    CaixaMensagemGravada caixa;
    const AmbienteJanela ambiente{caixa, {}, {}, {}};
    QTemporaryDir pasta;
    ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
    const auto montaMsg = [&](const char *opcao) {
        ini.GravaPerfil(
            QStringLiteral("LISTAGEM"), QStringLiteral("Opção"), QString::fromUtf8(opcao));
        return Ms([&] {
            frmMontaMsg janela(ambiente, {&ini, {}});
            return NaTela(janela);
        });
    };
    const double visualiza = Ms([&] {
        frmVisualizaUsuarios janela(ambiente);
        return NaTela(janela);
    });
    const double montaUsuario = montaMsg("Usuário");
    const double montaGrupo = montaMsg("Grupo");
    const double membros = Ms([&] {
        frmUsuariosGrupo janela(ambiente);
        return NaTela(janela);
    });
    const double cadastroGrupos = Ms([&] {
        frmCadastraGrupo janela(ambiente);
        return NaTela(janela);
    });
    const double cadastroUsuario = Ms([&] {
        frmCadastraUsuarios janela(caixa);
        janela.CarregaDoDiretorio(kUsuarios / 2);
        return NaTela(janela);
    });

    const QString usuariosTxt = QStringLiteral("50 000 usuários");
    const QString gruposTxt = QStringLiteral("10 000 grupos");
    medida::Relata(
        QStringLiteral("1: lista de %1, percorrida").arg(usuariosTxt), usuarios, "ms", 50);
    medida::Relata(QStringLiteral("12: lista de %1, percorrida").arg(gruposTxt), grupos, "ms", 50);
    medida::Relata(QStringLiteral("usuários (frmVisualizaUsuarios), %1").arg(usuariosTxt),
        visualiza, "ms", 300);
    medida::Relata(QStringLiteral("mensagem por usuário (frmMontaMsg), %1").arg(usuariosTxt),
        montaUsuario, "ms", 300);
    medida::Relata(QStringLiteral("mensagem por grupo (frmMontaMsg), %1").arg(gruposTxt),
        montaGrupo, "ms", 300);
    medida::Relata(
        QStringLiteral("membros (frmUsuariosGrupo), %1 e %2").arg(usuariosTxt, gruposTxt), membros,
        "ms", 300);
    medida::Relata(
        QStringLiteral("grupos (frmCadastraGrupo), %1").arg(gruposTxt), cadastroGrupos, "ms", 300);
    medida::Relata(QStringLiteral("usuário (frmCadastraUsuarios), %1").arg(gruposTxt),
        cadastroUsuario, "ms", 300);
    std::printf("mensagens mostradas: %lld\n", static_cast<long long>(caixa.quantidade()));
    FechaBancoDeDados();
    return 0;
}
