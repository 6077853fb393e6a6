// SPDX-License-Identifier: GPL-3.0-or-later
#include "DestinosRoteiro.h"
#include "core/snpp/CortaLinhas.h"
#include "core/snpp/SessaoSnpp.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>
#include <memory>

// The real SNPP session behind a loopback port, served from the test's event loop while
// tellumo-enviar runs.
class ServidorDeTeste : public QTcpServer
{
public:
    DestinosRoteiro destinos;

protected:
    void incomingConnection(qintptr descritor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descritor);
        auto sessao = std::make_shared<SessaoSnpp>(destinos, socket->peerAddress().toString());
        auto corte = std::make_shared<CortaLinhas>();
        socket->write(SessaoSnpp::Saudacao().Bytes());
        connect(socket, &QTcpSocket::readyRead, socket, [socket, sessao, corte] {
            for (const QByteArray &linha : corte->Recebe(socket->readAll())) {
                const RespostaSnpp r = sessao->Recebe(linha);
                socket->write(r.Bytes());
                if (r.fecha) {
                    socket->disconnectFromHost();
                    return;
                }
            }
        });
    }
};

class TstClienteSnpp : public QObject
{
    Q_OBJECT
private slots:
    void envia_data();
    void envia();
};

void TstClienteSnpp::envia_data()
{
    // `modo` scripts DestinosRoteiro; "fechado": nothing listens; "ipv6": the server is on ::1.
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QStringList>("argumentos"); // ENDERECO and ARQUIVO stand for the test's
    QTest::addColumn<QByteArray>("entrada");
    QTest::addColumn<QByteArray>("arquivoSenha");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<QString>("erros"); // part of the standard error; empty: none at all
    QTest::addColumn<QStringList>("fila");

    const QString ok = QStringLiteral("1\n");
    const QStringList x1001 = {QStringLiteral("-s"), QStringLiteral("ENDERECO"),
        QStringLiteral("1001"), QStringLiteral("-m"), QStringLiteral("x")};
    QTest::newRow("dois destinos, uma linha por -m")
        << QString()
        << QStringList{QStringLiteral("-s"), QStringLiteral("ENDERECO"),
               QStringLiteral("ana souza"), QStringLiteral("Bruno"), QStringLiteral("-m"),
               QStringLiteral("Olá, mundo")}
        << QByteArray() << QByteArray() << 0 << QStringLiteral("2\n") << QString()
        << QStringList{QStringLiteral("1001|Olá, mundo|127.0.0.1"),
               QStringLiteral("1002|Olá, mundo|127.0.0.1")};
    QTest::newRow("várias linhas pela entrada, com pontos")
        << QString()
        << QStringList{QStringLiteral("-s"), QStringLiteral("ENDERECO"), QStringLiteral("1002")}
        << QByteArray("Aten\xc3\xa7\xc3\xa3o:\n.ponto\n..dois\n.\n\n") << QByteArray() << 0 << ok
        << QString() << QStringList{QStringLiteral("1002|Atenção:\n.ponto\n..dois\n.|127.0.0.1")};
    QTest::newRow("destino desconhecido")
        << QString()
        << QStringList{QStringLiteral("-s"), QStringLiteral("ENDERECO"), QStringLiteral("Ninguém"),
               QStringLiteral("-m"), QStringLiteral("x")}
        << QByteArray() << QByteArray() << 1 << QString()
        << QStringLiteral("550 Destino desconhecido: Ninguém") << QStringList{};
    QTest::newRow("nada escutando")
        << QStringLiteral("fechado") << x1001 << QByteArray() << QByteArray() << 2 << QString()
        << QStringLiteral("conexão recusada") << QStringList{};
    QTest::newRow("banco perdido antes do 250")
        << QStringLiteral("fatal") << x1001 << QByteArray() << QByteArray() << 2 << QString()
        << QStringLiteral("421 Serviço indisponível") << QStringList{};
    QTest::newRow("LOGI com a senha de TELLUMO_SENHA")
        << QStringLiteral("contas")
        << QStringList{QStringLiteral("-u"), QStringLiteral("monitor")} + x1001 << QByteArray()
        << QByteArray() << 0 << ok << QString() << QStringList{QStringLiteral("1001|x|monitor")};
    QTest::newRow("a senha do arquivo vale mais que TELLUMO_SENHA")
        << QStringLiteral("contas")
        << QStringList{QStringLiteral("-u"), QStringLiteral("monitor"),
               QStringLiteral("--arquivo-senha"), QStringLiteral("ARQUIVO")}
            + x1001
        << QByteArray() << QByteArray("errada\n") << 1 << QString()
        << QStringLiteral("550 Conta ou senha não conferem") << QStringList{};
    QTest::newRow("IPv6 entre colchetes")
        << QStringLiteral("ipv6") << x1001 << QByteArray() << QByteArray() << 0 << ok << QString()
        << QStringList{QStringLiteral("1001|x|::1")};
    QTest::newRow("sem destino") << QString()
                                 << QStringList{QStringLiteral("-m"), QStringLiteral("x")}
                                 << QByteArray() << QByteArray() << 2 << QString()
                                 << QStringLiteral("falta o destino") << QStringList{};
}

void TstClienteSnpp::envia()
{
    QFETCH(QString, modo);
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, entrada);
    QFETCH(QByteArray, arquivoSenha);
    QFETCH(QString, erros);

    ServidorDeTeste servidor;
    servidor.destinos.modo = modo;
    const bool ipv6 = modo == QLatin1String("ipv6");
    if (!servidor.listen(ipv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost)) {
        if (ipv6)
            QSKIP("Esta máquina não tem IPv6 no loopback");
        QFAIL(qPrintable(servidor.errorString()));
    }
    const QString endereco = (ipv6 ? QStringLiteral("[::1]:%1") : QStringLiteral("127.0.0.1:%1"))
                                 .arg(servidor.serverPort());
    if (modo == QLatin1String("fechado"))
        servidor.close();
    QTemporaryFile senha;
    QVERIFY(senha.open() && senha.write(arquivoSenha) == arquivoSenha.size() && senha.flush());
    for (QString &a : argumentos)
        a.replace(QLatin1String("ENDERECO"), endereco)
            .replace(QLatin1String("ARQUIVO"), senha.fileName());

    QProcess enviar;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("TELLUMO_SENHA"), QStringLiteral("s3gredo"));
    enviar.setProcessEnvironment(ambiente);
    enviar.start(QStringLiteral(TELLUMO_ENVIAR_EXE), argumentos);
    enviar.write(entrada);
    enviar.closeWriteChannel();
    // The server answers from this event loop, so the wait must run it.
    QTRY_COMPARE_WITH_TIMEOUT(enviar.state(), QProcess::NotRunning, 60000);

    const QString recebido = QString::fromUtf8(enviar.readAllStandardError());
    QVERIFY2(
        recebido.contains(erros) && recebido.isEmpty() == erros.isEmpty(), qPrintable(recebido));
    QTEST(enviar.exitStatus() == QProcess::NormalExit ? enviar.exitCode() : -1, "status");
    QTEST(QString::fromUtf8(enviar.readAllStandardOutput()), "saida");
    QTEST(servidor.destinos.fila, "fila");
}

QTEST_GUILESS_MAIN(TstClienteSnpp)
#include "tst_clientesnpp.moc"
