// SPDX-License-Identifier: GPL-3.0-or-later
#include "EscutaLocal.h"
#include "core/line/ConexaoTcp.h"
#include "core/line/LinhaTcp.h"

#include <QDeadlineTimer>
#include <QTest>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Waits on the line's own wait, as the modem procedures do, until the attempt settles.
LinhaSerial::Conexao aguardaConexao(LinhaTcp &linha, int ms = 5000)
{
    const QDeadlineTimer prazo(ms);
    while (linha.conexao() == LinhaSerial::Conexao::EmCurso && !prazo.hasExpired())
        linha.aguardaEntrada(int(prazo.remainingTime()));
    return linha.conexao();
}

} // namespace

// The TCP line against sockets of this test on the loopback address, with the real clock.
// (Refused connections: the end-to-end test's "nothing listening".)
class TestLinhaTcp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void abre_data()
    {
        QTest::addColumn<QString>("dispositivo");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("nome") << QStringLiteral("TCP:tap.exemplo.com.br:444") << true;
        QTest::newRow("ipv6") << QStringLiteral("tcp:[::1]:65535") << true;
        QTest::newRow("brancos") << QStringLiteral("tcp: tap.exemplo.com.br : 444") << true;
        QTest::newRow("sem porta") << QStringLiteral("tcp:tap.exemplo.com.br") << false;
        QTest::newRow("sem nome") << QStringLiteral("tcp::444") << false;
        QTest::newRow("porta 0") << QStringLiteral("tcp:tap:0") << false;
        QTest::newRow("porta grande") << QStringLiteral("tcp:tap:65536") << false;
        QTest::newRow("porta com sinal") << QStringLiteral("tcp:tap:+44") << false;
    }

    // Opening reads the name only: nothing is looked up or connected, nothing can be sent.
    void abre()
    {
        QFETCH(QString, dispositivo);
        QFETCH(bool, aceito);
        LinhaTcp linha;
        QCOMPARE(linha.abre(dispositivo, QStringLiteral("9600,e,7,1")), aceito);
        QCOMPARE(linha.erro().isEmpty(), aceito);
        QVERIFY(aceito || linha.erro().contains(QLatin1Char('"') + dispositivo + QLatin1Char('"')));
        QCOMPARE(linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QVERIFY(!linha.escreve("x"));
    }

    // "localhost" may come first as ::1, where nobody listens: the next address serves.
    // A farewell followed by the close is read as a farewell; the end shows on the next read.
    void conversaEFimPeloGateway()
    {
        EscutaLocal escuta;
        LinhaTcp linha;
        QVERIFY(linha.abre(escuta.endereco(QStringLiteral("localhost")), QString()));
        linha.conecta();
        QCOMPARE(aguardaConexao(linha), LinhaSerial::Conexao::Feita);
        const int gateway = escuta.aceita();
        QVERIFY(linha.escreve("\r"));
        char recebido = 0;
        QCOMPARE(::recv(gateway, &recebido, 1, 0), ssize_t(1));
        QCOMPARE(recebido, '\r');

        QCOMPARE(::send(gateway, "ID=\x1b\x04\r", 6, 0), ssize_t(6));
        ::close(gateway);
        QTest::qWait(50);
        QCOMPARE(linha.le(), QByteArray("ID=\x1b\x04\r"));
        QVERIFY(!linha.perdida());
        QVERIFY(linha.aguardaEntrada(1000));
        QCOMPARE(linha.le(), QByteArray());
        QVERIFY(linha.perdida());
        QCOMPARE(linha.erro(), QStringLiteral("A conexão foi encerrada pelo gateway."));

        linha.desconecta();
        QVERIFY(!linha.perdida());
        linha.conecta();
        QCOMPARE(aguardaConexao(linha), LinhaSerial::Conexao::Feita);
    }

    // A name's first address never answers (its queue is full): the next one serves.
    void primeiroEnderecoMudo()
    {
        EscutaLocal muda(0), boa;
        LinhaTcp cheia;
        QVERIFY(cheia.abre(muda.endereco(), QString()));
        cheia.conecta();
        QCOMPARE(aguardaConexao(cheia), LinhaSerial::Conexao::Feita);
        std::vector<EnderecoTcp> enderecos;
        QString erro;
        for (const EscutaLocal *e : {&muda, &boa}) {
            const QByteArray porta = e->endereco().section(QLatin1Char(':'), -1).toLatin1();
            for (const EnderecoTcp &a : ProcuraDeNome::Resolve("127.0.0.1", porta, erro))
                enderecos.push_back(a);
        }
        QCOMPARE(enderecos.size(), size_t(2));
        const int cancela = ::eventfd(0, EFD_CLOEXEC);
        int fd = -1;
        QCOMPARE(ConectaTcp(enderecos, cancela, 200, fd), 0);
        sockaddr_in par{};
        socklen_t tamanho = sizeof par;
        QCOMPARE(::getpeername(fd, reinterpret_cast<sockaddr *>(&par), &tamanho), 0);
        QCOMPARE(QStringLiteral("tcp:127.0.0.1:%1").arg(ntohs(par.sin_port)), boa.endereco());
        ::close(fd);
        ::close(cancela);
    }

    // A gateway whose queue is full leaves the attempt hanging: given up, it is over at once.
    void desisteDeTentativaPendente()
    {
        EscutaLocal escuta(0);
        LinhaTcp primeira;
        QVERIFY(primeira.abre(escuta.endereco(), QString()));
        primeira.conecta();
        QCOMPARE(aguardaConexao(primeira), LinhaSerial::Conexao::Feita);

        LinhaTcp linha;
        QVERIFY(linha.abre(escuta.endereco(), QString()));
        linha.conecta();
        QCOMPARE(aguardaConexao(linha, 300), LinhaSerial::Conexao::EmCurso);
        linha.desconecta();
        QCOMPARE(linha.conexao(), LinhaSerial::Conexao::Nenhuma);
        QCOMPARE(linha.descritor(), -1);
    }
};

QTEST_GUILESS_MAIN(TestLinhaTcp)
#include "tst_linhatcp.moc"
