// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "CaixaMensagemGravada.h"
#include "Digita.h"
#include "ProcessoSimulador.h"
#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"
#include "core/settings/ArquivoIni.h"
#include "forms/main/JanelasDoPrincipal.h"
#include "forms/main/frmPrincipal.h"
#include "forms/send/frmMontaMsg.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {
const QString kTexto = QStringLiteral("Servidor web fora do ar");
}

// The desk whose Tellumo.INI names a service: the main window starts without the port, a
// page typed for a group in the compose window goes through the real tellumo-servico to the
// simulator's gateway, and the send window follows the queue until the pages are delivered.
class TestEnvioServico : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void grupoPeloServico_data()
    {
        QTest::addColumn<bool>("noAr");
        QTest::addColumn<bool>("senhaAberta"); // a password file others may read
        QTest::addColumn<QStringList>("situacoes");
        QTest::addColumn<QStringList>("codigos"); // of the simulator's pages and the Log rows
        QTest::addColumn<QString>("textoApos");
        QTest::addColumn<QString>("caixa"); // the message box says, none when empty
        QTest::newRow("serviço no ar")
            << true << false
            << QStringList{QStringLiteral("Ana (1001): entregue"),
                   QStringLiteral("Bia (2002): entregue")}
            << QStringList{QStringLiteral("1001"), QStringLiteral("2002")} << QString()
            << QString();
        QTest::newRow("serviço inalcançável")
            << false << false << QStringList() << QStringList() << kTexto
            << QStringLiteral("conexão recusada por 127.0.0.1:");
        QTest::newRow("senha legível por outros")
            << true << true << QStringList() << QStringList() << kTexto
            << QStringLiteral("pode ser lido por outros usuários");
    }
    void grupoPeloServico()
    {
        QFETCH(bool, noAr);
        QFETCH(QStringList, situacoes);
        QFETCH(QStringList, codigos);
        QFETCH(QString, textoApos);
        QFETCH(bool, senhaAberta);
        QFETCH(QString, caixa);
        QTemporaryDir programa, configuracao;
        QVERIFY(BancoDeTeste::CriaBancoVazio(programa.path()));
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--tcp"), QStringLiteral("0")}),
            qPrintable(simulador.erro()));
        QTcpServer livre; // a free port, let go for the service
        QVERIFY(livre.listen(QHostAddress::LocalHost));
        const QString porta = QString::number(livre.serverPort());
        livre.close();

        ArquivoIni servicoIni(programa.path(), QStringLiteral("servico.ini"));
        servicoIni.GravaPerfil(
            QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("2"));
        servicoIni.GravaPerfil(
            QStringLiteral("MODEM"), QStringLiteral("COM2"), simulador.gateway());
        servicoIni.GravaPerfil(QStringLiteral("SNPP"), QStringLiteral("Porta"), porta);
        servicoIni.GravaPerfil(
            QStringLiteral("BANCO"), QStringLiteral("Arquivo"), QStringLiteral("Pager.Mdb"));
        QProcess servico;
        servico.setProcessChannelMode(QProcess::ForwardedChannels);
        if (noAr) {
            servico.start(QStringLiteral(TELLUMO_SERVICO_EXE),
                QStringList{QStringLiteral("--config"), servicoIni.caminho()});
            QVERIFY(QTest::qWaitFor(
                [&] {
                    QTcpSocket s;
                    s.connectToHost(QHostAddress::LocalHost, porta.toUShort());
                    return s.waitForConnected(200);
                },
                10000));
        }
        ArquivoIni ini(configuracao.path(), QStringLiteral("Tellumo.INI"));
        ini.GravaPerfil(
            QStringLiteral("SERVICO"), QStringLiteral("Endereço"), QStringLiteral("127.0.0.1"));
        ini.GravaPerfil(QStringLiteral("SERVICO"), QStringLiteral("Porta"), porta);
        ini.GravaPerfil(
            QStringLiteral("LISTAGEM"), QStringLiteral("Opção"), QStringLiteral("Grupo"));

        if (senhaAberta) {
            QFile senha(configuracao.filePath(QStringLiteral("senha")));
            QVERIFY(senha.open(QIODevice::WriteOnly) && senha.write("segredo\n") > 0);
            senha.setPermissions(senha.permissions() | QFileDevice::ReadOther);
            ini.GravaPerfil(
                QStringLiteral("SERVICO"), QStringLiteral("Conta"), QStringLiteral("mesa"));
            ini.GravaPerfil(QStringLiteral("SERVICO"), QStringLiteral("Arquivo de Senha"),
                QStringLiteral("senha"));
        }
        CaixaMensagemGravada caixas;
        QStringList mostradas;
        QString texto = QStringLiteral("<não enviado>");
        frmPrincipal::Dependencias d;
        d.pastaPrograma = programa.path();
        d.pastaConfiguracao = configuracao.path();
        d.caixa = &caixas;
        d.janelas = JanelasPadrao();
        d.executaDialogo = [&](QDialog &dialogo) {
            auto *montaMsg = qobject_cast<frmMontaMsg *>(&dialogo);
            if (!montaMsg)
                return;
            montaMsg->show();
            auto *caixaDeTexto
                = montaMsg->findChild<QPlainTextEdit *>(QStringLiteral("txtMensagem"));
            Digita(caixaDeTexto, kTexto);
            // The send window is modal: read it from inside once its pages ended or it closed.
            QTimer::singleShot(0, montaMsg, [&, montaMsg] {
                QPointer<QDialog> envio
                    = montaMsg->findChild<QDialog *>(QStringLiteral("frmEnvioPelaFila"));
                const auto titulo = [&] {
                    return envio->findChild<QLabel *>(QStringLiteral("pnlTitulo"))->text();
                };
                (void)QTest::qWaitFor(
                    [&] {
                        return !envio || !envio->isVisible()
                            || titulo() == QStringLiteral("Envio concluído");
                    },
                    60000);
                if (!envio || !envio->isVisible())
                    return;
                auto *lista = envio->findChild<QListWidget *>(QStringLiteral("lstPaginas"));
                for (int i = 0; i < lista->count(); ++i)
                    mostradas << lista->item(i)->text();
                envio->reject();
            });
            montaMsg->cmdEnviar_Click();
            texto = caixaDeTexto->toPlainText();
            montaMsg->cmdRetornar_Click();
        };
        QStringList log;
        {
            frmPrincipal principal(std::move(d));
            QVERIFY(principal.Form_Load());
            Diretorio diretorio;
            const int grupo = diretorio.InsereGrupo(QStringLiteral("-"), QStringLiteral("Plantão"))
                                  .value_or(-1);
            for (const auto &[nome, codigo] :
                {std::pair{"Ana", "1001"}, std::pair{"Bia", "2002"}}) {
                const int id = diretorio
                                   .InsereUsuario(QStringLiteral("-"), QString::fromLatin1(codigo),
                                       QDate(2026, 12, 1), QString::fromLatin1(nome))
                                   .value_or(-1);
                QVERIFY(diretorio.InsereUsuarioNoGrupo(id, grupo));
            }
            principal.mnuDigitaEnviaMsg_Click();
            log = BancoDeTeste::Coluna(BancoDeTeste::ListaLog(), QStringLiteral("ID_Pager"));
        }
        FechaBancoDeDados();
        servico.terminate();
        servico.waitForFinished();
        QCOMPARE(mostradas, situacoes);
        QCOMPARE(texto, textoApos);
        QCOMPARE(log, codigos);
        QStringList entregues;
        for (const QJsonObject &r : simulador.registros(QStringLiteral("pagina")))
            entregues << r.value(QStringLiteral("codigo")).toString() + QLatin1Char('|')
                    + r.value(QStringLiteral("texto")).toString();
        entregues.sort();
        for (QString &codigo : codigos)
            codigo += QLatin1Char('|') + kTexto;
        QCOMPARE(entregues, codigos);
        QCOMPARE(caixas.quantidade(), caixa.isEmpty() ? 0 : 1);
        if (!caixa.isEmpty())
            QVERIFY2(caixas.ultimo().texto.contains(caixa), qPrintable(caixas.ultimo().texto));
    }
};

QTEST_MAIN(TestEnvioServico)
#include "tst_envioservico.moc"
