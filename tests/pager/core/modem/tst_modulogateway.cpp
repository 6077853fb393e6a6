// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "LinhaRoteirizada.h"
#include "PainelStatusGravado.h"
#include "RelogioVirtual.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A gateway line on the virtual clock: each conecta() settles after `segundos` (never when
// negative), connected, or failing with `motivo` when one is set.
struct GatewayRoteirizado : LinhaRoteirizada
{
    using LinhaRoteirizada::LinhaRoteirizada;
    double segundos = 0.0;
    QString motivo;
    Conexao estado = Conexao::Nenhuma;
    int desconexoes = 0;

    bool temModem() const override { return false; }
    void conecta() override
    {
        estado = Conexao::EmCurso;
        if (segundos >= 0) {
            relogio().agendaApos(segundos, [this] {
                if (estado == Conexao::EmCurso)
                    estado = motivo.isEmpty() ? Conexao::Feita : Conexao::Falhou;
            });
        }
    }
    Conexao conexao() override { return estado; }
    void desconecta() override
    {
        ++desconexoes;
        estado = Conexao::Nenhuma;
    }
    QString erro() const override { return motivo; }
};

struct Bancada
{
    QTemporaryDir pasta;
    ArquivoIni ini{pasta.path(), QStringLiteral("Tellumo.INI")};
    RelogioVirtual relogio;
    GatewayRoteirizado linha{relogio};
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    Modulo modulo{ini, linha, relogio, caixa, status};

    Bancada()
    {
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM2"),
            QStringLiteral("tcp:tap.exemplo.com.br:444"));
        modulo.DefineNumeroPorta(2);
        modulo.ConfiguraModem();
    }
};

} // namespace

class TestModuloGateway : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inicializaNadaEnvia()
    {
        Bancada b;
        b.modulo.InicializaModem();
        QCOMPARE(b.linha.escritas().size(), 0);
        QCOMPARE(b.caixa.quantidade(), 0);
        QCOMPARE(b.relogio.agora(), 0.0);
    }

    void discar_data()
    {
        QTest::addColumn<double>("segundos");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<double>("fim");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("icone");
        const auto falha = [](const QString &motivo) {
            return QStringLiteral("Não foi possível conectar ao gateway da empresa de rádio "
                                  "chamadas (tap.exemplo.com.br:444): ")
                + motivo;
        };
        const int info = int(CaixaMensagem::Icone::Informacao);
        QTest::newRow("conecta") << 0.25 << QString() << 0.25 << QString() << 0;
        // Refused, unreachable, name not found alike: the line's reason, when it has one.
        QTest::newRow("nome") << 3.0 << QStringLiteral("Nome não encontrado.") << 3.0
                              << falha(QStringLiteral("Nome não encontrado.")) << info;
        QTest::newRow("tempo") << -1.0 << QString() << 60.0
                               << falha(QStringLiteral("Tempo de espera esgotado."))
                               << int(CaixaMensagem::Icone::Critico);
    }

    // Connected or not, at the moment the attempt settles, without a modem pause.
    void discar()
    {
        QFETCH(double, segundos);
        QFETCH(QString, motivo);
        QFETCH(double, fim);
        QFETCH(QString, mensagem);
        QFETCH(int, icone);
        Bancada b;
        b.linha.segundos = segundos;
        b.linha.motivo = motivo;
        QCOMPARE(b.modulo.Discar(), mensagem.isEmpty());
        QCOMPARE(b.relogio.agora(), fim);
        QCOMPARE(b.relogio.pausas(), QList<double>());
        QVERIFY(b.relogio.esperasComEventos() > 0);
        QCOMPARE(b.linha.escritas().size(), 0);
        QCOMPARE(b.caixa.textos(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        if (!mensagem.isEmpty()) {
            QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Erro:"));
            QCOMPARE(int(b.caixa.ultimo().icone), icone);
        }
        // An attempt given up at the limit is abandoned, not left to connect later.
        QCOMPARE(b.linha.desconexoes, segundos < 0 ? 1 : 0);
    }

    void desconectarSemPausas()
    {
        Bancada b;
        QVERIFY(b.modulo.Discar());
        const double antes = b.relogio.agora();
        b.modulo.Desconectar();
        QCOMPARE(b.linha.desconexoes, 1);
        QCOMPARE(b.linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QCOMPARE(b.relogio.agora(), antes);
        QCOMPARE(b.relogio.pausas(), QList<double>());
        QCOMPARE(b.status.ultimo(), QStringLiteral(" Pronto"));
    }
};

QTEST_MAIN(TestModuloGateway)
#include "tst_modulogateway.moc"
