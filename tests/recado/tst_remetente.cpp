// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "ConexaoFalsa.h"
#include "ConexaoSocket.h"
#include "Remetente.h"
#include "ServidorLocal.h"
#include "Textos.h"

#include <QTest>
#include <cerrno>

using Icone = CaixaMensagem::Icone;
using Resposta = CaixaMensagem::Resposta;
using Desfecho = Remetente::Desfecho;

namespace {

const QByteArray Cabeca = "referer:http://127.0.0.1/mensa/men.html\n\n";

QByteArray pedidoCom(const QByteArray &mensagem)
{
    return "GET /cgi/procmsg.pl?id=12345&msg=" + mensagem + " HTTP/1.0\n" + Cabeca;
}

// A sender on a real socket, pointed at a local server that listens.
struct Ligacao
{
    ServidorLocal servidor;
    ConexaoSocket conexao;
    CaixaMensagemGravada caixa;
    Remetente remetente{conexao, caixa, {"127.0.0.1", servidor.porta(), "12345"}};
};

} // namespace

// Connecting, sending and every failure, against a real socket on 127.0.0.1.
class TestRemetente : public QObject
{
    Q_OBJECT

private slots:
    void sendsExactBytesAndCloses_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QByteArray>("recebido");
        QTest::newRow("question") << QStringLiteral("Oi tudo bem?") << pedidoCom("Oi+tudo+bem!");
        QTest::newRow("plus and ampersand") << QStringLiteral("1+1&2+2") << pedidoCom("1+1&2+2");
        QTest::newRow("cedilla") << QStringLiteral("Olá, você é ótimo; ç")
                                 << pedidoCom("Ol\xE1,+voc\xEA+\xE9+\xF3timo;+\xE7");
        QTest::newRow("pasted line break") << QStringLiteral("linha 1\r\nHost: outro\r\n")
                                           << pedidoCom("linha+1%0D%0AHost:+outro%0D%0A");
        QTest::newRow("200 characters") << QString(200, u'z') << pedidoCom(QByteArray(200, 'z'));
    }
    void sendsExactBytesAndCloses()
    {
        QFETCH(QString, digitado);
        QFETCH(QByteArray, recebido);
        Ligacao l;
        QVERIFY(l.servidor.ouvindo());
        QVERIFY(l.remetente.conecta());
        l.caixa.responde({Resposta::Sim});

        QCOMPARE(l.remetente.confirmaEEnvia(digitado), Desfecho::Termina);

        const ServidorLocal::Recebido r = l.servidor.recebeAteFechar();
        QCOMPARE(r.bytes, recebido);
        QVERIFY(r.fechadoPeloCliente);
        QCOMPARE(l.caixa.quantidade(), 2);
        QCOMPARE(l.caixa.registros().at(0).titulo, QStringLiteral("Confirmação:"));
        QCOMPARE(l.caixa.registros().at(0).texto,
            QStringLiteral("Confirma o envio da mensagem \"%1\" para Quorvane®?").arg(digitado));
        QCOMPARE(l.caixa.ultimo().titulo, QStringLiteral("Mensagem Enviada"));
        QCOMPARE(l.caixa.ultimo().texto,
            QStringLiteral("Obrigado!\nSua Mensagem estará chegando em segundos..."));
        QCOMPARE(l.caixa.ultimo().icone, Icone::Informacao);
    }

    void answeringNoSendsNothingAndKeepsTheConnection()
    {
        Ligacao l;
        QVERIFY(l.servidor.ouvindo());
        QVERIFY(l.remetente.conecta());
        l.caixa.responde({Resposta::Nao, Resposta::Sim});

        QCOMPARE(l.remetente.confirmaEEnvia(QStringLiteral("primeira")), Desfecho::Fica);
        QVERIFY(l.conexao.aberta());
        QCOMPARE(l.remetente.confirmaEEnvia(QStringLiteral("segunda")), Desfecho::Termina);
        QCOMPARE(l.servidor.recebeAteFechar().bytes, pedidoCom("segunda"));
    }

    void unresolvableHostGivesThreePartMessage()
    {
        ConexaoSocket conexao;
        CaixaMensagemGravada caixa;
        Remetente remetente(conexao, caixa, {"servidor.nao-existe.invalid", 80, "12345"});
        QVERIFY(!remetente.conecta());
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa.ultimo().texto,
            QStringLiteral("Não foi possível encontrar o endereço IP especificado pelo "
                           "programa.\n\nPossível causa:\nVocê não está conectado à Internet."));
        QCOMPARE(caixa.ultimo().icone, Icone::Exclamacao);
    }

    void otherConnectFailures_data()
    {
        QTest::addColumn<int>("etapa");
        QTest::addColumn<int>("erro");
        QTest::addColumn<QString>("texto");
        QTest::newRow("no socket") << int(Conexao::Etapa::Socket) << EMFILE
                                   << QStringLiteral("Erro na tentativa de criar um novo Socket.");
        QTest::newRow("timed out") << int(Conexao::Etapa::Conexao) << ETIMEDOUT
                                   << QStringLiteral("Erro: Connection timed out.");
    }
    void otherConnectFailures()
    {
        QFETCH(int, etapa);
        QFETCH(int, erro);
        QFETCH(QString, texto);
        ConexaoFalsa conexao;
        conexao.resultadoAbre = {static_cast<Conexao::Etapa>(etapa), erro};
        CaixaMensagemGravada caixa;
        Remetente remetente(conexao, caixa, {"127.0.0.1", 80, "12345"});
        QVERIFY(!remetente.conecta());
        QCOMPARE(caixa.textos(), QStringList{texto});
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa.ultimo().icone, Icone::Exclamacao);
    }

    void serverThatDropsTheConnectionGivesTheSendError()
    {
        Ligacao l;
        QVERIFY(l.servidor.ouvindo());
        QVERIFY(l.remetente.conecta());
        l.servidor.derruba();
        l.caixa.responde({Resposta::Sim});

        QCOMPARE(l.remetente.confirmaEEnvia(QStringLiteral("tarde demais")), Desfecho::Termina);
        QCOMPARE(l.caixa.quantidade(), 2);
        QCOMPARE(l.caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(l.caixa.ultimo().texto,
            QStringLiteral("Houve um erro sério na tentativa do envio desta mensagem..."));
        QCOMPARE(l.caixa.ultimo().icone, Icone::Nenhum);
        QVERIFY(!l.conexao.aberta());
    }
};

QTEST_GUILESS_MAIN(TestRemetente)
#include "tst_remetente.moc"
