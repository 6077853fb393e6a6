// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "CursorOcupado.h"
#include "LinhaRoteirizada.h"
#include "ModemHayes.h"
#include "PainelStatusGravado.h"
#include "RelogioVirtual.h"
#include "core/modem/Discagem.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTimeOutModem = QStringLiteral(
    "Modem TimeOut: Ha a possibilidade da porta serial selecionada não possuir nenhum um modem "
    "instalado.");

// A Modulo on a virtual clock and a scripted modem, with its settings in a temporary folder.
struct Bancada
{
    QTemporaryDir pasta;
    ArquivoIni ini{pasta.path(), QStringLiteral("Tellumo.INI")};
    RelogioVirtual relogio;
    LinhaRoteirizada linha{relogio};
    ModemHayes modem;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    Modulo modulo{ini, linha, relogio, caixa, status};

    Bancada()
    {
        modem.instala(linha);
        linha.abre(QStringLiteral("/dev/ttyS0"), QStringLiteral("9600,e,7,1"));
    }
};

} // namespace

class TestModulo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inicializaComModemQueResponde()
    {
        Bancada b;
        b.modulo.InicializaModem();
        QCOMPARE(b.linha.escrito(), QByteArray("ATZ\rate0\r"));
        QCOMPARE(b.caixa.quantidade(), 0);
        QVERIFY(b.relogio.agora() < 1.0);
    }

    void inicializaComStringDoArquivo()
    {
        Bancada b;
        b.ini.GravaPerfil(
            QStringLiteral("MODEM"), QStringLiteral("Inicialização"), QStringLiteral("AT&F1"));
        b.modulo.InicializaModem();
        QCOMPARE(b.modem.comandos(), (QByteArrayList{"AT&F1", "ate0"}));
    }

    // Edited by hand: a CR inside must not make a second command.
    void inicializacaoSoComImprimiveis()
    {
        Bancada b;
        QFile f(b.ini.caminho());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[MODEM]\r\nInicializa\xe7\xe3o=AT&F1\rATH0\x1b\r\n");
        f.close();
        b.modulo.InicializaModem();
        QCOMPARE(b.modem.comandos(), (QByteArrayList{"AT&F1ATH0", "ate0"}));
    }

    void modemMudoAvisaDuasVezesESegue()
    {
        Bancada b;
        b.modem.estado().respondeOk = false;
        b.modulo.InicializaModem();
        QCOMPARE(b.caixa.textos(), (QStringList{kTimeOutModem, kTimeOutModem}));
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Informação:"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
        QCOMPARE(b.caixa.ultimo().botoes, CaixaMensagem::Botoes::Ok);
        // Two 4-second waits and the 0.05 s pause between the commands.
        QCOMPARE(b.relogio.agora(), 8.05);
        QCOMPARE(b.linha.escritas().at(1).instante, 4.05);
        // Only the pause let window events through; the reply waits did not.
        QCOMPARE(b.relogio.esperasComEventos(), 1);
        QVERIFY(b.relogio.esperasSemEventos() > 0);
    }

    void aguardaResposta_data()
    {
        QTest::addColumn<double>("atraso");
        QTest::addColumn<bool>("noPrazo");
        QTest::newRow("a tempo") << 3.99 << true;
        QTest::newRow("no último instante é time-out") << 4.0 << false;
        QTest::newRow("tarde") << 4.5 << false;
    }
    void aguardaResposta()
    {
        QFETCH(double, atraso);
        QFETCH(bool, noPrazo);
        Bancada b;
        b.linha.chegaApos(atraso / 2, "\r\nO");
        b.linha.chegaApos(atraso, "K\r\n");
        QCOMPARE(b.modulo.AguardaResposta("OK", 4.0), noPrazo);
        QCOMPARE(b.relogio.agora(), noPrazo ? atraso : 4.0);
    }

    void aguardaRespostaDiferenciaMaiusculas()
    {
        Bancada b;
        b.linha.chega("ok\r\n");
        QVERIFY(!b.modulo.AguardaResposta("OK", 4.0));
    }

    void aguardaConexao_data()
    {
        QTest::addColumn<QByteArray>("resposta");
        QTest::addColumn<int>("codigo");
        QTest::newRow("conectado") << QByteArray("\r\nCONNECT 9600\r\n") << 4;
        QTest::newRow("ocupado") << QByteArray("\r\nBUSY\r\n") << 1;
        QTest::newRow("sem tom") << QByteArray("\r\nNO DIALTONE\r\n") << 2;
        QTest::newRow("sem portadora") << QByteArray("\r\nNO CARRIER\r\n") << 3;
    }
    void aguardaConexao()
    {
        QFETCH(QByteArray, resposta);
        QFETCH(int, codigo);
        Bancada b;
        bool ampulhetaNaEspera = false;
        b.relogio.agenda(10.0, [&] { ampulhetaNaEspera = CursorOcupado::ativo(); });
        b.linha.chegaApos(25.0, resposta);
        QCOMPARE(b.modulo.AguardaConexao(), codigo);
        QVERIFY(ampulhetaNaEspera);
        QVERIFY(!CursorOcupado::ativo());
        // The code, then half a second for the rest of its line and 0.1 s before draining.
        QCOMPARE(b.relogio.agora(), 25.6);
    }

    void restoDaLinhaDecideOCodigo()
    {
        Bancada b;
        b.linha.chegaApos(5.0, "\r\nNO C");
        b.linha.chegaApos(5.3, "ARRIER\r\nBUSY\r\n");
        QCOMPARE(b.modulo.AguardaConexao(), 1);
        QCOMPARE(b.linha.aguardando(), 0);
    }

    void semResultadoEm60Segundos()
    {
        Bancada b;
        b.linha.chegaApos(61.0, "\r\nCONNECT\r\n");
        QCOMPARE(b.modulo.AguardaConexao(), -1);
        QCOMPARE(b.relogio.agora(), 60.0);
        QVERIFY(b.relogio.esperasComEventos() > 0);
        QCOMPARE(b.relogio.esperasSemEventos(), 0);
        QVERIFY(!CursorOcupado::ativo());
    }

    void linhaQueSomeEncerraAEspera()
    {
        Bancada b;
        b.relogio.agenda(2.0, [&] { b.linha.derruba(); });
        QCOMPARE(b.modulo.AguardaConexao(), -1);
        QCOMPARE(b.relogio.agora(), 2.0);
    }

    void discarMensagens_data()
    {
        QTest::addColumn<QByteArray>("resultado");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("icone");
        QTest::newRow("sem resposta")
            << QByteArray() << "Modem Time Out: Tempo de espera esgostado."
            << int(CaixaMensagem::Icone::Critico);
        QTest::newRow("ocupado")
            << QByteArray("\r\nBUSY\r\n")
            << "O telefone chamado está com sinal de linha ocupada, tente novamente."
            << int(CaixaMensagem::Icone::Informacao);
        QTest::newRow("sem tom")
            << QByteArray("\r\nNO DIALTONE\r\n")
            << "Não foi possível receber um tom de discagem. Caso você esteje discando a "
               "partir de uma linha PABX, consulte o manual para saber como resolver este "
               "problema."
            << int(CaixaMensagem::Icone::Informacao);
        QTest::newRow("sem portadora")
            << QByteArray("\r\nNO CARRIER\r\n")
            << "Não foi possível receber um tom de discagem - Desconectado. Caso você "
               "esteje discando a partir de uma linha PABX, consulte o manual para saber "
               "como resolver este problema."
            << int(CaixaMensagem::Icone::Informacao);
    }
    void discarMensagens()
    {
        QFETCH(QByteArray, resultado);
        QFETCH(QString, mensagem);
        QFETCH(int, icone);
        Bancada b;
        b.modem.estado().resultadoDiscagem = resultado;
        QVERIFY(!b.modulo.Discar());
        QCOMPARE(b.caixa.textos(), QStringList{mensagem});
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(int(b.caixa.ultimo().icone), icone);
        QCOMPARE(b.caixa.ultimo().botoes, CaixaMensagem::Botoes::Ok);
        // The 0.2 s pause after the message comes last.
        QCOMPARE(b.relogio.pausas().constLast(), 0.2);
    }

    void discarConecta()
    {
        Bancada b;
        b.ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), QStringLiteral("Tom"));
        b.ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), QStringLiteral("3030-4040"));
        b.linha.chega("RING\r\nlixo antigo");
        QVERIFY(b.modulo.Discar());
        QCOMPARE(b.caixa.quantidade(), 0);
        QCOMPARE(b.modem.comandos(), (QByteArrayList{"ATE0", "ATDT 3030-4040"}));
        // The dial line follows the modem's OK after a 0.2 s pause.
        QCOMPARE(b.linha.escritas().at(1).instante, 0.1 + 0.2);
    }

    void discarSemOkNaoDisca()
    {
        Bancada b;
        b.modem.estado().respondeOk = false;
        QVERIFY(!b.modulo.Discar());
        QCOMPARE(b.modem.comandos(), QByteArrayList{"ATE0"});
        QCOMPARE(b.caixa.textos(), QStringList{kTimeOutModem});
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Informação:"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
    }

    void desconectar()
    {
        Bancada b;
        b.relogio.avanca(10.0);
        b.modulo.Desconectar();
        QCOMPARE(b.linha.escritas().size(), 2);
        QCOMPARE(b.linha.escritas().at(0).bytes, QByteArray("+++"));
        QCOMPARE(b.linha.escritas().at(0).instante, 10.0);
        QCOMPARE(b.linha.escritas().at(1).bytes, QByteArray("ATH0\r"));
        QCOMPARE(b.linha.escritas().at(1).instante, 13.0);
        QCOMPARE(b.relogio.pausas(), (QList<double>{3.0, 2.0, 0.1}));
        QCOMPARE(b.status.textos(),
            (QStringList{
                QStringLiteral(" Desconectando modem, aguarde ..."), QStringLiteral(" Pronto")}));
        QVERIFY(!CursorOcupado::ativo());
    }

    void configuraModem_data()
    {
        QTest::addColumn<int>("porta");
        QTest::addColumn<QString>("chaveCom");
        QTest::addColumn<QString>("configuracoes");
        QTest::addColumn<QString>("aberto");
        QTest::newRow("padrão COM2") << 2 << QString() << QString() << "/dev/ttyS1|9600,e,7,1";
        QTest::newRow("COM1 aponta um pty")
            << 1 << "/dev/pts/7" << QString() << "/dev/pts/7|9600,e,7,1";
        QTest::newRow("Configurações do arquivo") << 4 << QString() << "2400,n,8,1"
                                                  << "/dev/ttyS3|2400,n,8,1";
        QTest::newRow("porta 0 não abre nada") << 0 << QString() << QString() << QString();
        QTest::newRow("porta 5 não abre nada") << 5 << QString() << QString() << QString();
    }
    void configuraModem()
    {
        QFETCH(int, porta);
        QFETCH(QString, chaveCom);
        QFETCH(QString, configuracoes);
        QFETCH(QString, aberto);
        Bancada b;
        if (!chaveCom.isNull())
            b.ini.GravaPerfil(
                QStringLiteral("MODEM"), QStringLiteral("COM%1").arg(porta), chaveCom);
        if (!configuracoes.isNull())
            b.ini.GravaPerfil(
                QStringLiteral("MODEM"), QStringLiteral("Configurações"), configuracoes);
        b.linha.fecha();
        const int antes = int(b.linha.aberturas().size());
        b.modulo.DefineNumeroPorta(porta);
        QCOMPARE(b.modulo.ConfiguraModem(), !aberto.isEmpty());
        if (aberto.isEmpty())
            QCOMPARE(int(b.linha.aberturas().size()), antes);
        else
            QCOMPARE(b.linha.aberturas().constLast(), aberto);
    }

    void configuraModemFalhaQuandoALinhaRecusa()
    {
        Bancada b;
        b.linha.defineAbertura([](const QString &, const QString &) { return false; });
        b.modulo.DefineNumeroPorta(1);
        QVERIFY(!b.modulo.ConfiguraModem());
        QCOMPARE(b.caixa.quantidade(), 0);
    }
};

QTEST_MAIN(TestModulo)
#include "tst_modulo.moc"
