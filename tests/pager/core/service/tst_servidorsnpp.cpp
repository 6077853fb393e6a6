// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoTemporario.h"
#include "core/queue/FilaDePaginas.h"
#include "core/service/DestinosDoDiretorio.h"
#include "core/service/ServidorSnpp.h"

#include <QTcpSocket>
#include <QTest>
#include <memory>

// The SNPP server over real sockets on the loopback and a real directory (three users, the
// group "Plantão" of Ana and Bruno): what a client's dialogue leaves in the queue.
class TstServidorSnpp : public QObject
{
    Q_OBJECT
    std::unique_ptr<BancoTemporario> m_banco;
    QHash<QString, QString> m_usuarios; // code -> "name|id"

private slots:
    void init()
    {
        m_banco = std::make_unique<BancoTemporario>();
        QVERIFY2(m_banco->Aberto(), qPrintable(m_banco->Erro()));
        Diretorio d;
        const auto grupo = d.InsereGrupo(QString(), QStringLiteral("Plantão"));
        QVERIFY2(grupo, qPrintable(d.Erro()));
        const QStringList nomes{
            QStringLiteral("Ana Souza"), QStringLiteral("Bruno"), QStringLiteral("Carla")};
        for (int i = 0; i < nomes.size(); ++i) {
            const QString codigo = QString::number(1001 + i);
            const auto id = d.InsereUsuario(QString(), codigo, QDate(2026, 1, 5), nomes[i]);
            QVERIFY2(id && (i == 2 || d.InsereUsuarioNoGrupo(*id, *grupo)), qPrintable(d.Erro()));
            m_usuarios[codigo] = nomes[i] + u'|' + QString::number(*id);
        }
    }
    void cleanup() { m_banco.reset(); }

    void conversa_data()
    {
        QTest::addColumn<QByteArray>("envio");
        QTest::addColumn<QByteArray>("respostas"); // the codes of every reply line
        QTest::addColumn<QStringList>("fila"); // the codes queued, in order
        QTest::addColumn<int>("ocupadas"); // clients already connected (the limit is 2)
        QTest::addColumn<int>("ociosaMs");
        QTest::addColumn<bool>("fechaLogo"); // the client closes without reading a reply

        QTest::newRow("grupo e nome em outra caixa")
            << QByteArray("PAGE PLANTÃO\r\nPAGE carla\r\nMESS Disco cheio\r\nSEND\r\nQUIT\r\n")
            << QByteArray("220 250 250 250 250 221") << QStringList{"1001", "1002", "1003"} << 0
            << 60000 << false;
        QTest::newRow("nome e código desconhecidos")
            << QByteArray("PAGE Ninguém\r\nPAGE 999\r\nPAGE 1003\r\nMESS oi\r\nSEND\r\nQUIT\r\n")
            << QByteArray("220 550 550 250 250 250 221") << QStringList{"1003"} << 0 << 60000
            << false;
        QTest::newRow("fecha logo após SEND")
            << QByteArray("PAGE plantão\r\nMESS oi\r\nSEND\r\n") << QByteArray()
            << QStringList{"1001", "1002"} << 0 << 60000 << true;
        QTest::newRow("conexões demais")
            << QByteArray() << QByteArray("421") << QStringList{} << 2 << 60000 << false;
        QTest::newRow("ociosa") << QByteArray() << QByteArray("220 421") << QStringList{} << 0
                                << 300 << false;
    }

    void conversa()
    {
        QFETCH(QByteArray, envio);
        QFETCH(QByteArray, respostas);
        QFETCH(QStringList, fila);
        QFETCH(int, ocupadas);
        QFETCH(int, ociosaMs);
        QFETCH(bool, fechaLogo);

        int avisos = 0;
        DestinosDoDiretorio destinos({}, 0, [&avisos] { ++avisos; });
        ServidorSnpp servidor(destinos, {}, {2, ociosaMs});
        QString motivo;
        QVERIFY2(servidor.Escuta({QHostAddress::LocalHost}, 0, &motivo), qPrintable(motivo));

        std::vector<std::unique_ptr<QTcpSocket>> outros;
        for (int i = 0; i < ocupadas; ++i) {
            outros.push_back(std::make_unique<QTcpSocket>());
            outros.back()->connectToHost(QHostAddress::LocalHost, servidor.Porta());
            QTRY_VERIFY(outros.back()->canReadLine());
        }
        QTcpSocket cliente;
        QByteArray recebido;
        connect(&cliente, &QTcpSocket::readyRead, this, [&] { recebido += cliente.readAll(); });
        connect(&cliente, &QTcpSocket::connected, this, [&] {
            cliente.write(envio);
            if (fechaLogo)
                cliente.disconnectFromHost();
        });
        cliente.connectToHost(QHostAddress::LocalHost, servidor.Porta());
        // Every dialogue ends with the server closing the connection.
        QTRY_VERIFY_WITH_TIMEOUT(cliente.state() == QAbstractSocket::UnconnectedState, 10000);
        if (!fechaLogo) {
            QByteArrayList codigos;
            for (const QByteArray &linha : recebido.split('\n'))
                if (!linha.isEmpty())
                    codigos += linha.left(3);
            QCOMPARE(codigos.join(' '), respostas);
        }

        QStringList esperada;
        for (const QString &codigo : std::as_const(fila))
            esperada += codigo + u'|' + m_usuarios[codigo] + QStringLiteral("|127.0.0.1");
        const auto lista = [] {
            QStringList paginas;
            for (const PaginaDaFila &p : FilaDePaginas().Lista().value_or(QList<PaginaDaFila>{}))
                paginas += QStringLiteral("%1|%2|%3|%4")
                               .arg(p.destino.idPager, p.destino.usuario)
                               .arg(p.destino.idUsuario)
                               .arg(p.origem);
            return paginas;
        };
        QTRY_COMPARE(lista(), esperada);
        QCOMPARE(avisos, fila.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TstServidorSnpp)
#include "tst_servidorsnpp.moc"
