// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "ModemPty.h"
#include "PainelStatusGravado.h"
#include "core/line/LinhaSerialPosix.h"
#include "core/line/RelogioReal.h"
#include "core/modem/Modulo.h"
#include "core/settings/ArquivoIni.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Whether the terminal device is marked for exclusive use: 1 or 0 (-1 when it cannot be
// told). An ordinary user is refused with EBUSY; the superuser may open it and ask.
int exclusiva(const QString &dispositivo)
{
    const int fd
        = ::open(QFile::encodeName(dispositivo).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == EBUSY ? 1 : -1;
    int marca = -1;
    if (::ioctl(fd, TIOCGEXCL, &marca) != 0)
        marca = -1;
    ::close(fd);
    return marca != 0 ? (marca < 0 ? -1 : 1) : 0;
}

double segundosDeProcessador()
{
    rusage uso{};
    ::getrusage(RUSAGE_SELF, &uso);
    const auto s = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

} // namespace

// The termios line over a real pseudo-terminal, against a scripted modem thread, with the
// real clock. Each case takes well under a second.
class TestLinhaSerialPosix : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inicializaOModemPeloPty()
    {
        ModemPty modem;
        QVERIFY(modem.pronto());
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM3"), modem.nome());
        LinhaSerialPosix linha;
        RelogioReal relogio;
        CaixaMensagemGravada caixa;
        PainelStatusGravado status;
        Modulo modulo(ini, linha, relogio, caixa, status);
        modulo.DefineNumeroPorta(3);
        QVERIFY2(modulo.ConfiguraModem(), qPrintable(linha.erro()));
        modulo.InicializaModem();
        QCOMPARE(caixa.quantidade(), 0);
        QCOMPARE(modem.comandos(), (QByteArrayList{"ATZ", "ate0"}));
    }

    void aguardaConexaoProcessaEventos()
    {
        ModemPty modem("\r\nCONNECT 9600\r\n", 300);
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        LinhaSerialPosix linha;
        QVERIFY(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        RelogioReal relogio;
        CaixaMensagemGravada caixa;
        PainelStatusGravado status;
        Modulo modulo(ini, linha, relogio, caixa, status);
        int tiques = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++tiques; });
        timer.start(50);
        QVERIFY(modulo.Discar());
        QVERIFY2(tiques >= 4, "the window events stood still during the dial wait");
        QCOMPARE(modem.comandos().size(), 2);
        QVERIFY(modem.comandos().at(1).startsWith("ATDP "));
    }

    void portaEmUsoNaoAbre()
    {
        ModemPty modem;
        LinhaSerialPosix primeira, segunda;
        QVERIFY(primeira.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        QVERIFY(!segunda.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        QVERIFY(!segunda.aberta());
        QVERIFY(segunda.erro().contains(QStringLiteral("em uso")));
        // The refused attempt leaves the holder's exclusive mark alone.
        QCOMPARE(exclusiva(modem.nome()), 1);
        primeira.fecha();
        QVERIFY2(
            segunda.abre(modem.nome(), QStringLiteral("9600,e,7,1")), qPrintable(segunda.erro()));
    }

    // Closing must give the device back: a pseudo-terminal keeps its exclusive mark while
    // its other end lives, and an ordinary user could then never open it again (the modem
    // dialog and every finished transmission close and re-open the port).
    void portaFechadaDeixaDeSerExclusiva()
    {
        ModemPty modem;
        LinhaSerialPosix linha;
        QVERIFY(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        QCOMPARE(exclusiva(modem.nome()), 1);
        linha.fecha();
        QCOMPARE(exclusiva(modem.nome()), 0);
        QVERIFY2(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")), qPrintable(linha.erro()));
    }

    void aberturaRecusada_data()
    {
        QTest::addColumn<QString>("dispositivo");
        QTest::addColumn<QString>("configuracoes");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("dispositivo inexistente") << "/dev/tellumo-nao-existe"
                                                 << "9600,e,7,1"
                                                 << "O dispositivo não existe.";
        QTest::newRow("não é terminal") << "/dev/null"
                                        << "9600,e,7,1"
                                        << "não é uma porta serial";
        QTest::newRow("sem dispositivo") << ""
                                         << "9600,e,7,1"
                                         << "Nenhum dispositivo";
        QTest::newRow("configurações ruins") << "PTY"
                                             << "9600,q,7,1"
                                             << "Configurações inválidas";
        QTest::newRow("velocidade sem valor exato") << "PTY"
                                                    << "14400,e,7,1"
                                                    << "\"14400,e,7,1\"";
    }
    void aberturaRecusada()
    {
        QFETCH(QString, dispositivo);
        QFETCH(QString, configuracoes);
        QFETCH(QString, motivo);
        ModemPty modem;
        if (dispositivo == QStringLiteral("PTY"))
            dispositivo = modem.nome();
        LinhaSerialPosix linha;
        QVERIFY(!linha.abre(dispositivo, configuracoes));
        QVERIFY(!linha.aberta());
        QVERIFY2(linha.erro().contains(motivo), qPrintable(linha.erro()));
    }

    void esperaSemDadosBloqueiaAteOPrazo()
    {
        ModemPty modem;
        LinhaSerialPosix linha;
        QVERIFY(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        QElapsedTimer t;
        t.start();
        QVERIFY(!linha.aguardaEntrada(150));
        QVERIFY(t.elapsed() >= 140);
        QCOMPARE(linha.aguardando(), 0);
        QVERIFY(linha.le().isEmpty());
    }

    void linhaQueSomeEAvisada()
    {
        ModemPty modem;
        LinhaSerialPosix linha;
        QVERIFY(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        modem.desliga();
        QElapsedTimer t;
        t.start();
        linha.aguardaEntrada(2000);
        linha.le();
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(linha.perdida());
        QVERIFY(!linha.escreve("ATH0\r"));
    }

    // The modem is pulled out during the 60-second wait for a dial result, the wait that
    // keeps the window events running: it ends at once, without burning the processor.
    void linhaSomeNaEsperaComEventos()
    {
        ModemPty modem(QByteArray(), 0);
        LinhaSerialPosix linha;
        QVERIFY(linha.abre(modem.nome(), QStringLiteral("9600,e,7,1")));
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        RelogioReal relogio;
        CaixaMensagemGravada caixa;
        PainelStatusGravado status;
        Modulo modulo(ini, linha, relogio, caixa, status);
        QTimer::singleShot(200, [&modem] { modem.desliga(); });
        const double cpuAntes = segundosDeProcessador();
        QElapsedTimer t;
        t.start();
        QCOMPARE(modulo.AguardaConexao(), -1);
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
        const double cpu = segundosDeProcessador() - cpuAntes;
        QVERIFY2(cpu < 0.2, qPrintable(QString::number(cpu)));
        QVERIFY(linha.perdida());
    }
};

QTEST_MAIN(TestLinhaSerialPosix)
#include "tst_linhaserialposix.moc"
