#include "shell/LinhaTcp.h"

#include <QDeadlineTimer>
#include <QTest>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A listening socket on the loopback address, accepting at most `fila` callers that it
// does not accept itself.
class Escuta
{
public:
    explicit Escuta(int fila = 4)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t t = sizeof a;
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&a), t) == 0 && ::listen(m_fd, fila) == 0
            && ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&a), &t) == 0)
            m_porta = ntohs(a.sin_port);
    }
    ~Escuta() { ::close(m_fd); }
    Escuta(const Escuta &) = delete;
    Escuta &operator=(const Escuta &) = delete;

    int porta() const { return m_porta; }
    int aceita() { return ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC); }
    QString endereco(const char *host = "127.0.0.1") const
    {
        return QStringLiteral("tcp:%1:%2").arg(QLatin1String(host)).arg(m_porta);
    }

private:
    int m_fd = -1;
    int m_porta = 0;
};

// Waits (as the modem procedures do, on the line's own wait) until the attempt settles.
LinhaSerial::Conexao aguardaConexao(LinhaTcp &linha, int ms = 5000)
{
    const QDeadlineTimer prazo(ms);
    while (linha.conexao() == LinhaSerial::Conexao::EmCurso && !prazo.hasExpired())
        linha.aguardaEntrada(int(prazo.remainingTime()));
    return linha.conexao();
}

QByteArray leAte(LinhaTcp &linha, qsizetype tamanho)
{
    QByteArray lido;
    const QDeadlineTimer prazo(5000);
    while (lido.size() < tamanho && !prazo.hasExpired() && linha.aguardaEntrada(1000))
        lido += linha.le();
    return lido;
}

} // namespace

// The TCP line against sockets of this test on the loopback address, with the real clock.
class TestLinhaTcp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void abre_data()
    {
        QTest::addColumn<QString>("dispositivo");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("nome") << QStringLiteral("tcp:tap.exemplo.com.br:444") << true;
        QTest::newRow("maiusculas") << QStringLiteral("TCP:127.0.0.9:65535") << true;
        QTest::newRow("ipv6") << QStringLiteral("tcp:[::1]:444") << true;
        QTest::newRow("sem porta") << QStringLiteral("tcp:tap.exemplo.com.br") << false;
        QTest::newRow("porta vazia") << QStringLiteral("tcp:tap.exemplo.com.br:") << false;
        QTest::newRow("sem nome") << QStringLiteral("tcp::444") << false;
        QTest::newRow("porta 0") << QStringLiteral("tcp:tap:0") << false;
        QTest::newRow("porta grande") << QStringLiteral("tcp:tap:65536") << false;
        QTest::newRow("porta com sinal") << QStringLiteral("tcp:tap:+44") << false;
        QTest::newRow("dispositivo") << QStringLiteral("/dev/ttyS0") << false;
    }

    // Opening reads the name only: nothing is looked up or connected, nothing can be sent.
    void abre()
    {
        QFETCH(QString, dispositivo);
        QFETCH(bool, aceito);
        LinhaTcp linha;
        QCOMPARE(linha.abre(dispositivo, QStringLiteral("9600,e,7,1")), aceito);
        QCOMPARE(linha.aberta(), aceito);
        QCOMPARE(linha.erro().isEmpty(), aceito);
        QCOMPARE(linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QVERIFY(!linha.escreve("x"));
        QVERIFY(!linha.temModem());
    }

    // "localhost" may come first as ::1, where nobody listens: the next address serves.
    void conversaEFimPeloGateway()
    {
        Escuta escuta;
        LinhaTcp linha;
        QVERIFY(linha.abre(escuta.endereco("localhost"), QString()));
        linha.conecta();
        QCOMPARE(aguardaConexao(linha), LinhaSerial::Conexao::Feita);
        const int gateway = escuta.aceita();
        QVERIFY(gateway >= 0);

        QVERIFY(linha.escreve("\r"));
        char recebido[8] = {};
        QCOMPARE(::recv(gateway, recebido, sizeof recebido, 0), ssize_t(1));
        QCOMPARE(recebido[0], '\r');
        QCOMPARE(::send(gateway, "ID=", 3, 0), ssize_t(3));
        QCOMPARE(leAte(linha, 3), QByteArray("ID="));

        // A farewell and the close: the farewell is read first, the end after it.
        QCOMPARE(::send(gateway, "\x1b\x04\r", 3, 0), ssize_t(3));
        ::close(gateway);
        QTest::qWait(50);
        QCOMPARE(linha.le(), QByteArray("\x1b\x04\r"));
        QVERIFY(!linha.perdida());
        QVERIFY(linha.aguardaEntrada(1000));
        QCOMPARE(linha.le(), QByteArray());
        QVERIFY(linha.perdida());
        QCOMPARE(linha.erro(), QStringLiteral("A conexão foi encerrada pelo gateway."));
        QVERIFY(!linha.escreve("x"));
        QVERIFY(linha.aberta());

        // The line stays open for the next call.
        linha.desconecta();
        QVERIFY(!linha.perdida());
        linha.conecta();
        QCOMPARE(aguardaConexao(linha), LinhaSerial::Conexao::Feita);
    }

    void recusada()
    {
        int porta;
        {
            Escuta fechada;
            porta = fechada.porta();
        }
        LinhaTcp linha;
        QVERIFY(linha.abre(QStringLiteral("tcp:127.0.0.1:%1").arg(porta), QString()));
        linha.conecta();
        QCOMPARE(aguardaConexao(linha), LinhaSerial::Conexao::Falhou);
        QCOMPARE(linha.erro(), QStringLiteral("Conexão recusada."));
        QVERIFY(!linha.escreve("x"));
    }

    // A gateway whose queue is full leaves the attempt hanging: given up, it is over at once
    // and the line can try again.
    void desisteDeTentativaPendente()
    {
        Escuta escuta(0);
        LinhaTcp primeira;
        QVERIFY(primeira.abre(escuta.endereco(), QString()));
        primeira.conecta();
        QCOMPARE(aguardaConexao(primeira), LinhaSerial::Conexao::Feita);

        LinhaTcp linha;
        QVERIFY(linha.abre(escuta.endereco(), QString()));
        linha.conecta();
        QCOMPARE(aguardaConexao(linha, 300), LinhaSerial::Conexao::EmCurso);
        QVERIFY(linha.descritor() >= 0);
        linha.desconecta();
        QCOMPARE(linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QCOMPARE(linha.descritor(), -1);
        linha.fecha();
        QVERIFY(!linha.aberta());
    }
};

QTEST_GUILESS_MAIN(TestLinhaTcp)
#include "tst_linhatcp.moc"
