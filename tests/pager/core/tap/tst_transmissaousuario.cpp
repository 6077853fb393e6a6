// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "core/modem/Discagem.h"
#include "core/tap/FuncoesTAP.h"

#include <QTest>

namespace {

const QString kLogIn = QStringLiteral("Erro na tentativa de efetuar o LogIn. Tente novamente.");
const QString kTimeOut
    = QStringLiteral("Erro: Time Out - Aguardando confirmação do dígito verificador ...");
const QByteArray kLogOn = "\x1bPG1\r";
const QString kDesligou
    = QStringLiteral("A empresa de rádio chamadas encerrou a ligação. As mensagens confirmadas "
                     "até aqui foram registradas no histórico; as demais não foram enviadas.");

QByteArray linhaTap(const QByteArray &codigo, const QByteArray &texto)
{
    QByteArray bloco;
    FuncoesTAP::MontaBlocoTAP(codigo, texto, bloco);
    QByteArray checksum;
    FuncoesTAP::CalculaChecksum(bloco, checksum);
    return bloco + checksum + '\r';
}

// The service answers the blocks with these replies, one a block, then as the checksum says.
std::function<QByteArray(int, const QByteArray &)> respostas(const QByteArrayList &lista)
{
    return [lista](int n, const QByteArray &bloco) {
        return n < lista.size() ? lista.at(n) : ServicoTapRoteirizado::julga(bloco);
    };
}

} // namespace

class TestTransmissaoUsuario : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void umUsuarioAceitoDeImediato()
    {
        BancadaEnvio b;
        const int id = b.cadastra(QStringLiteral("Ana Souza"), QStringLiteral("123"));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("abc")));

        const QByteArray discagem = MontaLinhaDiscagem(LeParametrosDiscagem(b.ini)).toLatin1();
        QCOMPARE(b.linha.escrito(),
            "ATE0\r" + discagem + "\r" + "\r" + kLogOn
                + "\x02"
                  "123\rabc\r\x03"
                  "1=;\r"
                + "\x04\r" + "+++" + "ATH0\r");
        QCOMPARE(b.instanteDe("ATH0\r") - b.instanteDe("+++"), 3.0);
        QCOMPARE(b.log(),
            QStringList{QStringLiteral("20261207|14:05|Ana Souza") + QString(41, QLatin1Char(' '))
                + QStringLiteral("|abc|123|%1").arg(id)});
        QCOMPARE(b.caixa.quantidade(), 0);
        QCOMPARE(b.visor.titulos,
            (QStringList{QStringLiteral("Efetuando LogIn ..."),
                QStringLiteral("Enviando Mensagem ..."), QStringLiteral("Desconectando Modem ..."),
                QStringLiteral("Retornando ...")}));
        QCOMPARE(b.status.textos(),
            (QStringList{QStringLiteral(" Discando para a empresa de rádio chamadas, aguarde ..."),
                QStringLiteral(" Verificando compatibilidade do sistema, aguarde ..."),
                QStringLiteral(" Aguardando a autorização para enviar mensagens, aguarde ...    "),
                QStringLiteral(" Pronto"), QStringLiteral(" Enviando mensagem, aguade ..."),
                QStringLiteral(" Mensagem enviada com sucesso."),
                QStringLiteral(" Desconectando modem, aguarde ..."), QStringLiteral(" Pronto"),
                QStringLiteral(" Re-inicializando o modem, aguarde ...")}));
        // The port was closed and opened again after the hang-up.
        QCOMPARE(b.linha.aberturas().size(), 2);
        QVERIFY(b.linha.aberta());
    }

    void logOnSemIdATempo_data()
    {
        QTest::addColumn<double>("idApos");
        QTest::addColumn<bool>("entra");
        QTest::newRow("prompt at once") << 0.3 << true;
        QTest::newRow("prompt after 12.5 s") << 12.5 << true;
        QTest::newRow("prompt in the last second") << 14.5 << false;
        QTest::newRow("never prompts") << -1.0 << false;
    }
    void logOnSemIdATempo()
    {
        QFETCH(double, idApos);
        QFETCH(bool, entra);
        BancadaEnvio b;
        b.servico.estado().idApos = idApos;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QCOMPARE(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")), entra);
        QCOMPARE(b.escritoAposConectar().contains(kLogOn), entra);
        QCOMPARE(b.log().size(), entra ? 1 : 0);
        if (entra)
            return;
        QCOMPARE(b.caixa.textos(), QStringList{kLogIn});
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
        // One CR a second for 15 s, then the extra second, then the hang-up.
        const double primeiroCr = b.instanteDe("\r");
        QCOMPARE(b.escritoAposConectar().count('\r'), 15 + 1);
        QCOMPARE(b.instanteDe("+++") - primeiroCr, 16.0);
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
    }

    void ackDoLogOn_data()
    {
        QTest::addColumn<QByteArray>("resposta");
        QTest::addColumn<bool>("entra");
        QTest::newRow("ACK CR") << QByteArray("\x06\r") << true;
        QTest::newRow("ACK without CR") << QByteArray("\x06") << true;
        QTest::newRow("greeting around ACK") << QByteArray("110 1.8\r\x06\r\x1b[p\r") << true;
        QTest::newRow("no answer") << QByteArray() << false;
        QTest::newRow("NAK only") << QByteArray("\x15\r") << false;
    }
    void ackDoLogOn()
    {
        QFETCH(QByteArray, resposta);
        QFETCH(bool, entra);
        BancadaEnvio b;
        b.servico.estado().respostaLogon = resposta;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QCOMPARE(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")), entra);
        QCOMPARE(b.servico.blocos().size(), entra ? 1 : 0);
        QCOMPARE(b.caixa.textos(), entra ? QStringList() : QStringList{kLogIn});
        if (!entra)
            QCOMPARE(b.instanteDe("+++") - b.instanteDe(kLogOn), 5.02);
    }

    void nakDuasVezesDepoisAck()
    {
        BancadaEnvio b;
        b.servico.estado().respostaBloco = respostas({"\x15\r", "\x15\r"});
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.servico.blocos().size(), 3);
        QCOMPARE(b.servico.blocos().at(2), b.servico.blocos().at(0));
        QCOMPARE(b.log().size(), 1);
        QCOMPARE(b.status.textos().count(
                     QStringLiteral(" Erro na transmissão, re-enviando mensagem ...")),
            2);
        QCOMPARE(b.servico.estado().logoffs, 1);
    }

    void nakTresVezesDesiste_data()
    {
        QTest::addColumn<QByteArray>("resposta");
        QTest::newRow("NAK") << QByteArray("\x15\r");
        QTest::newRow("NAK and RS") << QByteArray("\x15\r\r\x1e\r");
    }
    void nakTresVezesDesiste()
    {
        QFETCH(QByteArray, resposta);
        BancadaEnvio b;
        b.servico.estado().respostaBloco = [resposta](int, const QByteArray &) { return resposta; };
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.servico.blocos().size(), 3);
        QVERIFY(b.log().isEmpty());
        QVERIFY(b.caixa.textos().value(0).contains(QStringLiteral("depois de três envios")));
        QCOMPARE(b.servico.estado().logoffs, 0);
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
        QVERIFY(b.status.textos().contains(
            QStringLiteral(" Erro na transmissão, re-enviando mensagem ...")));
    }

    void semRespostaAoBloco()
    {
        BancadaEnvio b;
        b.servico.estado().respostaBloco = [](int, const QByteArray &) { return QByteArray(); };
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.caixa.textos(), QStringList{kTimeOut});
        QVERIFY(b.log().isEmpty());
        QCOMPARE(b.instanteDe("+++") - b.instanteDe(linhaTap("123", "oi")), 5.0);
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
    }

    void recusaEAceiteNaMesmaResposta_data()
    {
        QTest::addColumn<QByteArrayList>("respostas");
        QTest::addColumn<bool>("recusada");
        QTest::newRow("RS alone") << QByteArrayList{"511 Codigo invalido\r\x1e\r"} << true;
        QTest::newRow("RS and ACK") << QByteArrayList{"\r\x1e\r\x06\r"} << true;
        QTest::newRow("NAK, then RS") << QByteArrayList{"\x15\r", "\r\x1e\r"} << true;
        // The first verdict decides: a NAK before the refusal asks for the same line again.
        QTest::newRow("NAK and RS, then ACK") << QByteArrayList{"\x15\r\r\x1e\r"} << false;
    }
    void recusaEAceiteNaMesmaResposta()
    {
        QFETCH(QByteArrayList, respostas);
        QFETCH(bool, recusada);
        BancadaEnvio b;
        b.servico.estado().respostaBloco = ::respostas(respostas);
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("999"));
        // A refused page is not delivered: no Log row, no success, the text stays.
        QCOMPARE(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")), !recusada);
        QCOMPARE(b.servico.blocos().constLast(), b.servico.blocos().constFirst());
        QCOMPARE(b.log().size(), recusada ? 0 : 1);
        QCOMPARE(b.status.textos().contains(QStringLiteral(" Mensagem enviada com sucesso.")),
            !recusada);
        QCOMPARE(b.servico.estado().logoffs, 1);
        if (!recusada) {
            QCOMPARE(b.caixa.quantidade(), 0);
            return;
        }
        QCOMPARE(b.caixa.textos(),
            QStringList{QStringLiteral("Código do Pager de usuário Inválido.\n\n")});
        QCOMPARE(b.caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
    }

    // Replies to the blocks of a 240-character text; a note means nothing was delivered.
    void respostasAosBlocos_data()
    {
        QTest::addColumn<QString>("codigo"); // 8 digits: 250 between STX and ETX, 9: 251
        QTest::addColumn<QByteArrayList>("respostas");
        QTest::addColumn<int>("enviados");
        QTest::addColumn<QString>("nota");
        const QByteArray ack = "\x06\r", nak = "\x15\r", rs = "\x1e\r", fim = "\x1b\x04\r";
        const QString c = QStringLiteral("123"), c10 = QStringLiteral("1234567890"), nada;
        const QString recusa = QStringLiteral("Código do Pager de usuário Inválido.\n\n");
        QTest::newRow("ACK, ESC EOT") << c << QByteArrayList{ack + fim} << 1 << nada;
        QTest::newRow("ACK, NAK") << c << QByteArrayList{ack + nak} << 1 << nada;
        QTest::newRow("NAK, ACK") << c << QByteArrayList{nak + ack} << 2 << nada;
        QTest::newRow("bare RS, ESC EOT") << c << QByteArrayList{rs + fim} << 1 << recusa;
        QTest::newRow("RS inside a line") << c << QByteArrayList{"5x" + rs} << 1 << kTimeOut;
        QTest::newRow("ESC EOT, ACK") << c << QByteArrayList{fim + ack} << 1 << kDesligou;
        QTest::newRow("NAK, ESC EOT") << c << QByteArrayList{nak + fim} << 1 << kDesligou;
        QTest::newRow("8 digits") << QStringLiteral("12345678") << QByteArrayList{} << 1 << nada;
        QTest::newRow("9 digits") << QStringLiteral("123456789") << QByteArrayList{} << 2 << nada;
        QTest::newRow("2 blocks, NAK") << c10 << QByteArrayList{ack, nak} << 3 << nada;
        QTest::newRow("2 blocks, RS") << c10 << QByteArrayList{rs} << 1 << recusa;
        QTest::newRow("2 blocks, ESC EOT") << c10 << QByteArrayList{ack + fim} << 1 << kDesligou;
    }
    void respostasAosBlocos()
    {
        QFETCH(QString, codigo);
        QFETCH(QByteArrayList, respostas);
        QFETCH(int, enviados);
        QFETCH(QString, nota);
        BancadaEnvio b;
        b.servico.estado().respostaBloco = ::respostas(respostas);
        const int id = b.cadastra(QStringLiteral("Ana"), codigo);
        QCOMPARE(b.envia(PedidoEnvio::Modo::Usuario, id, QString(240, 'a')), nota.isEmpty());
        QCOMPARE(b.servico.blocos().size(), enviados);
        QCOMPARE(b.log().size(), nota.isEmpty() ? 1 : 0);
        QCOMPARE(b.caixa.textos(), nota.isEmpty() ? QStringList() : QStringList{nota});
    }

    // Every page was taken; the line vanishes while hanging up.
    void linhaSomeAoDesligar()
    {
        BancadaEnvio b;
        b.servico.estado().respostaBloco = [&b](int, const QByteArray &bloco) {
            b.relogio.agendaApos(0.12, [&b] { b.linha.derruba(); });
            return ServicoTapRoteirizado::julga(bloco);
        };
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.log().size(), 1);
        QCOMPARE(b.caixa.quantidade(), 1);
        QVERIFY(b.caixa.ultimo().texto.contains(QStringLiteral("foram entregues")));
        QVERIFY(!b.caixa.ultimo().texto.contains(QStringLiteral("enviar novamente")));
        QVERIFY(!b.linha.aberta());
        QCOMPARE(b.status.ultimo(), QStringLiteral(" Pronto"));
    }

    // One message for a line that vanishes while dialing, never a modem time-out first.
    void linhaSomeNaDiscagem_data()
    {
        QTest::addColumn<bool>("respondeOk");
        QTest::addColumn<double>("quando");
        QTest::newRow("awaiting OK") << false << 1.0;
        QTest::newRow("awaiting the dial result") << true << 5.0;
    }
    void linhaSomeNaDiscagem()
    {
        QFETCH(bool, respondeOk);
        QFETCH(double, quando);
        BancadaEnvio b;
        b.modem.estado().respondeOk = respondeOk;
        b.modem.estado().resultadoDiscagem.clear();
        b.relogio.agenda(quando, [&b] { b.linha.derruba(); });
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.caixa.quantidade(), 1);
        QVERIFY(b.caixa.ultimo().texto.contains(QStringLiteral("modem foi interrompida")));
    }

    void servicoDesliga()
    {
        BancadaEnvio b;
        b.servico.estado().respostaBloco = respostas({"\x1b\x04\r"});
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QVERIFY(b.log().isEmpty());
        QCOMPARE(b.caixa.textos(), QStringList{kDesligou});
        QVERIFY(
            b.status.textos().contains(QStringLiteral(" Desconexão solicitada pelo servidor.")));
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
    }

    void textoLongoDemaisDesliga()
    {
        BancadaEnvio b;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QString(241, QLatin1Char('a'))));
        QCOMPARE(
            b.caixa.textos(), QStringList{QStringLiteral("Erro na criptografação da mensagem...")});
        QVERIFY(!b.escritoAposConectar().contains(kLogOn));
        // Never left off-hook.
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
    }

    void usuarioRemovidoNoMeioTempo()
    {
        BancadaEnvio b;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        b.diretorio.ExcluiUsuario(id);
        QVERIFY(!b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(b.caixa.quantidade(), 1);
        QVERIFY(b.caixa.ultimo().texto.contains(QStringLiteral("não está mais cadastrado")));
        QVERIFY(b.servico.blocos().isEmpty());
        QVERIFY(b.escritoAposConectar().endsWith("+++ATH0\r"));
    }

    void linhaLevaSoSeteBits_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QByteArray>("naLinha");
        QTest::newRow("capital O circumflex") << QStringLiteral("AVÔ") << QByteArray("AVO");
        QTest::newRow("grave and umlaut")
            << QStringLiteral("À tarde, Müller") << QByteArray("A tarde, Muller");
        QTest::newRow("euro sign") << QStringLiteral("R€ 5") << QByteArray("R? 5");
        QTest::newRow("line break")
            << QStringLiteral("linha 1\nlinha 2") << QByteArray("linha 1 linha 2");
        QTest::newRow("CR LF and blanks")
            << QStringLiteral("  ola\r\nmundo\n") << QByteArray("ola mundo");
    }
    void linhaLevaSoSeteBits()
    {
        QFETCH(QString, digitado);
        QFETCH(QByteArray, naLinha);
        BancadaEnvio b;
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral(" 123 "));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, digitado));
        // The service computes on 7-bit values: accepted at the first try.
        QCOMPARE(b.servico.blocos(), QByteArrayList{linhaTap("123", naLinha)});
        QCOMPARE(b.log().constFirst().section(QLatin1Char('|'), 3, 3), digitado);
    }

    void horaDoLog_data()
    {
        QTest::addColumn<QTime>("hora");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("afternoon") << QTime(14, 5, 59) << QStringLiteral("14:05");
        QTest::newRow("morning") << QTime(9, 7) << QStringLiteral("09:07");
        QTest::newRow("midnight") << QTime(0, 0) << QStringLiteral("00:00");
    }
    void horaDoLog()
    {
        QFETCH(QTime, hora);
        QFETCH(QString, esperada);
        BancadaEnvio b;
        b.momento.setTime(hora);
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral(" oi ")));
        QCOMPARE(b.log().constFirst().section(QLatin1Char('|'), 1, 1), esperada);
        // The text is stored as typed, blanks included.
        QCOMPARE(b.log().constFirst().section(QLatin1Char('|'), 3, 3), QStringLiteral(" oi "));
    }

    void dataEHoraDeUmaSoLeitura()
    {
        BancadaEnvio b;
        // The clock turns midnight between two readings.
        int leituras = 0;
        b.calendario = [&leituras] {
            return ++leituras == 1 ? QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))
                                   : QDateTime(QDate(2027, 1, 1), QTime(0, 0));
        };
        const int id = b.cadastra(QStringLiteral("Ana"), QStringLiteral("123"));
        QVERIFY(b.envia(PedidoEnvio::Modo::Usuario, id, QStringLiteral("oi")));
        QCOMPARE(
            b.log().constFirst().section(QLatin1Char('|'), 0, 1), QStringLiteral("20261231|23:59"));
    }
};

QTEST_GUILESS_MAIN(TestTransmissaoUsuario)
#include "tst_transmissaousuario.moc"
