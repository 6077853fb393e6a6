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
                if (r.fecha)
                    return socket->disconnectFromHost(); // what follows goes unanswered
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

// One row, its lists separated by ';'. `modo` scripts DestinosRoteiro; "fechado": nothing
// listens; "ipv6": the server is on ::1. ENDERECO and ARQUIVO (a file holding a wrong
// password) stand for the test's; `erros` is part of the standard error, empty: none at all.
static void linha(const char *nome, const char *modo, const char *argumentos, const char *entrada,
    int status, const char *saida, const char *erros, const char *fila)
{
    const auto lista
        = [](const char *t) { return QString::fromUtf8(t).split(u';', Qt::SkipEmptyParts); };
    QTest::newRow(nome) << QString::fromUtf8(modo) << lista(argumentos) << QByteArray(entrada)
                        << status << QString::fromUtf8(saida) << QString::fromUtf8(erros)
                        << lista(fila);
}

void TstClienteSnpp::envia_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("entrada");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<QString>("erros");
    QTest::addColumn<QStringList>("fila");

    linha("dois destinos, uma linha por -m", "", "-s;ENDERECO;ana souza;Bruno;-m;Olá, mundo", "", 0,
        "2\n", "", "1001|Olá, mundo|127.0.0.1;1002|Olá, mundo|127.0.0.1");
    linha("várias linhas pela entrada, com pontos", "", "-s;ENDERECO;1002",
        "Atenção:\n.ponto\n..dois\n.\n\n", 0, "1\n", "",
        "1002|Atenção:\n.ponto\n..dois\n.|127.0.0.1");
    linha("destino desconhecido", "", "-s;ENDERECO;Ninguém;-m;x", "", 1, "",
        "550 Destino desconhecido: Ninguém", "");
    linha("nada escutando", "fechado", "-s;ENDERECO;1001;-m;x", "", 2, "", "conexão recusada", "");
    linha("banco perdido antes do 250", "fatal", "-s;ENDERECO;1001;-m;x", "", 2, "",
        "421 Serviço indisponível", "");
    linha("LOGI com a senha de TELLUMO_SENHA", "contas", "-u;monitor;-s;ENDERECO;1001;-m;x", "", 0,
        "1\n", "", "1001|x|monitor");
    linha("a senha do arquivo vale mais que TELLUMO_SENHA", "contas",
        "-u;monitor;--arquivo-senha;ARQUIVO;-s;ENDERECO;1001;-m;x", "", 1, "",
        "550 Conta ou senha não conferem", "");
    linha("IPv6 entre colchetes", "ipv6", "-s;ENDERECO;1001;-m;x", "", 0, "1\n", "", "1001|x|::1");
    linha("sem destino", "", "-m;x", "", 2, "", "falta o destino", "");
}

void TstClienteSnpp::envia()
{
    QFETCH(QString, modo);
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, entrada);
    QFETCH(QString, erros);

    ServidorDeTeste servidor;
    servidor.destinos.modo = modo;
    const bool ipv6 = modo == QLatin1String("ipv6");
    if (ipv6 && !QTcpServer().listen(QHostAddress::LocalHostIPv6))
        QSKIP("Esta máquina não tem IPv6 no loopback");
    QVERIFY2(servidor.listen(ipv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost),
        qPrintable(servidor.errorString()));
    const QString endereco = (ipv6 ? QStringLiteral("[::1]:%1") : QStringLiteral("127.0.0.1:%1"))
                                 .arg(servidor.serverPort());
    if (modo == QLatin1String("fechado"))
        servidor.close();
    QTemporaryFile senha;
    QVERIFY(senha.open() && senha.write("errada\n") == 7 && senha.flush());
    for (QString &a : argumentos)
        a.replace(QLatin1String("ENDERECO"), endereco)
            .replace(QLatin1String("ARQUIVO"), senha.fileName());

    qputenv("TELLUMO_SENHA", "s3gredo"); // DestinosRoteiro's password; tellumo-enviar inherits it
    QProcess enviar;
    enviar.start(QStringLiteral(TELLUMO_ENVIAR_EXE), argumentos);
    enviar.write(entrada);
    enviar.closeWriteChannel();
    // The server answers from this event loop, so the wait must run it.
    QTRY_COMPARE_WITH_TIMEOUT(enviar.state(), QProcess::NotRunning, 60000);

    const QString recebido = QString::fromUtf8(enviar.readAllStandardError());
    QVERIFY2(erros.isEmpty() ? recebido.isEmpty() : recebido.contains(erros), qPrintable(recebido));
    QTEST(enviar.exitStatus() == QProcess::NormalExit ? enviar.exitCode() : -1, "status");
    QTEST(QString::fromUtf8(enviar.readAllStandardOutput()), "saida");
    QTEST(servidor.destinos.fila, "fila");
}

QTEST_GUILESS_MAIN(TstClienteSnpp)
#include "tst_clientesnpp.moc"
