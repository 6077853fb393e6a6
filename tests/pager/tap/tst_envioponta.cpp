#include "BancadaEnvio.h"
#include "ProcessoSimulador.h"
#include "shell/LinhaSerialPosix.h"
#include "shell/RelogioReal.h"
#include "tap/Transmissao.h"

#include <QJsonObject>
#include <QTest>

namespace {

// Tellumo's own line, clock and settings against the simulator on a pseudo-terminal.
struct Ponta
{
    ProcessoSimulador simulador;
    QTemporaryDir pasta;
    ArquivoIni ini{pasta.path(), QStringLiteral("Tellumo.INI")};
    BancoTemporario banco;
    Diretorio diretorio;
    RelogioReal relogio;
    LinhaSerialPosix linha;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    VisorGravado visor;
    Modulo modulo{ini, linha, relogio, caixa, status};

    bool inicia(const QStringList &opcoes)
    {
        if (!simulador.inicia(QStringList{QStringLiteral("--tempo-discagem"), QStringLiteral("100"),
                                  QStringLiteral("--guarda"), QStringLiteral("500"),
                                  QStringLiteral("--cps"), QStringLiteral("960")}
                + opcoes))
            return false;
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
        ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), QStringLiteral("3322-1100"));
        modulo.DefineNumeroPorta(1);
        return modulo.ConfiguraModem();
    }

    int cadastra(const QString &nome, const QString &codigo)
    {
        return diretorio.InsereUsuario(QStringLiteral("Teste"), codigo, QDate(2026, 12, 1), nome)
            .value_or(-1);
    }

    bool envia(PedidoEnvio::Modo modo, int id, const QString &texto)
    {
        Transmissao t(modulo, diretorio, visor, PedidoEnvio{modo, id, texto});
        return t.IniciaProcesso();
    }

    // Code and text of each Log row, oldest first.
    QStringList log()
    {
        QStringList linhas;
        std::optional<Instantaneo> rows = diretorio.ListaLog();
        for (; rows && !rows->NoFim(); rows->Proximo()) {
            linhas.append(rows->Campo(QStringLiteral("ID_Pager")).toString() + QLatin1Char('|')
                + rows->Campo(QStringLiteral("Mensagem")).toString());
        }
        return linhas;
    }

    // Code and text of each page the service delivered or refused, in order.
    QStringList paginas(const QString &evento) const
    {
        QStringList linhas;
        for (const QJsonObject &r : simulador.registros(evento)) {
            linhas.append(r.value(QStringLiteral("codigo")).toString() + QLatin1Char('|')
                + r.value(QStringLiteral("texto")).toString());
        }
        return linhas;
    }
};

const QString kTexto = QStringLiteral("Reunião às 15h");
const QString kNaLinha = QStringLiteral("Reuniao as 15h");

} // namespace

class TestEnvioPonta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void umUsuario()
    {
        Ponta p;
        QVERIFY2(p.inicia({}), qPrintable(p.simulador.erro() + p.linha.erro()));
        const int id = p.cadastra(QStringLiteral("Ana"), QStringLiteral("1234567"));
        QVERIFY(p.envia(PedidoEnvio::Modo::Usuario, id, kTexto));
        QCOMPARE(p.caixa.textos(), QStringList());
        QCOMPARE(p.paginas(QStringLiteral("pagina")),
            QStringList{QStringLiteral("1234567|") + kNaLinha});
        QCOMPARE(p.log(), QStringList{QStringLiteral("1234567|") + kTexto});
        QCOMPARE(p.simulador.registros(QStringLiteral("logoff")).size(), 1);
        QVERIFY(p.linha.aberta());
    }

    void grupoComUmCodigoRecusado()
    {
        Ponta p;
        QVERIFY2(p.inicia({QStringLiteral("--recusa"), QStringLiteral("2002")}),
            qPrintable(p.simulador.erro() + p.linha.erro()));
        const QList<int> membros{p.cadastra(QStringLiteral("Ana"), QStringLiteral("1001")),
            p.cadastra(QStringLiteral("Bia"), QStringLiteral("2002")),
            p.cadastra(QStringLiteral("Caio"), QStringLiteral("3003"))};
        const int grupo
            = p.diretorio.InsereGrupo(QStringLiteral("Equipe"), QStringLiteral("E")).value_or(-1);
        for (int m : membros)
            p.diretorio.InsereUsuarioNoGrupo(m, grupo);
        QVERIFY(p.envia(PedidoEnvio::Modo::Grupo, grupo, kTexto));

        QCOMPARE(p.paginas(QStringLiteral("pagina")),
            (QStringList{QStringLiteral("1001|") + kNaLinha, QStringLiteral("3003|") + kNaLinha}));
        QCOMPARE(p.simulador.registros(QStringLiteral("recusa")).size(), 1);
        QCOMPARE(p.simulador.registros(QStringLiteral("recusa"))
                     .constFirst()
                     .value(QStringLiteral("codigo"))
                     .toString(),
            QStringLiteral("2002"));
        // Every block the service answered, accepted or refused, has its row.
        QCOMPARE(p.log(),
            (QStringList{QStringLiteral("1001|") + kTexto, QStringLiteral("2002|") + kTexto,
                QStringLiteral("3003|") + kTexto}));
        QCOMPARE(p.caixa.quantidade(), 1);
        QVERIFY(p.caixa.ultimo().texto.contains(QStringLiteral("código 2002")));
        QCOMPARE(p.simulador.registros(QStringLiteral("nak")).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEnvioPonta)
#include "tst_envioponta.moc"
