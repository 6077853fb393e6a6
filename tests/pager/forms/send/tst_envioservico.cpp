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

using namespace Qt::StringLiterals;

namespace {
const QString kTexto = u"Servidor web fora do ar"_s;

void grava(ArquivoIni &ini, const QList<QStringList> &chaves) // section, key, value
{
    for (const QStringList &c : chaves)
        ini.GravaPerfil(c.at(0), c.at(1), c.at(2));
}
} // namespace

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
        QTest::addColumn<QString>("caixa"); // what the message box says, none when empty
        QTest::newRow("serviço no ar")
            << true << false << QStringList{u"Ana (1001): entregue"_s, u"Bia (2002): entregue"_s}
            << QStringList{u"1001"_s, u"2002"_s} << QString() << QString();
        QTest::newRow("serviço inalcançável") << false << false << QStringList() << QStringList()
                                              << kTexto << u"conexão recusada por 127.0.0.1:"_s;
        QTest::newRow("senha legível por outros") << true << true << QStringList() << QStringList()
                                                  << kTexto << u"pode ser lido por outros"_s;
    }
    void grupoPeloServico()
    {
        QFETCH(bool, noAr);
        QFETCH(bool, senhaAberta);
        QFETCH(QStringList, situacoes);
        QFETCH(QStringList, codigos);
        QFETCH(QString, textoApos);
        QFETCH(QString, caixa);
        QTemporaryDir programa, configuracao;
        QVERIFY(BancoDeTeste::CriaBancoVazio(programa.path()));
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({u"--tcp"_s, u"0"_s}), qPrintable(simulador.erro()));
        QTcpServer livre; // a free port, let go for the service
        QVERIFY(livre.listen(QHostAddress::LocalHost));
        const QString porta = QString::number(livre.serverPort());
        livre.close();

        ArquivoIni servicoIni(programa.path(), u"servico.ini"_s);
        grava(servicoIni,
            {{u"MODEM"_s, u"Porta Serial"_s, u"2"_s}, {u"MODEM"_s, u"COM2"_s, simulador.gateway()},
                {u"SNPP"_s, u"Porta"_s, porta}, {u"BANCO"_s, u"Arquivo"_s, u"Pager.Mdb"_s}});
        QProcess servico;
        servico.setProcessChannelMode(QProcess::ForwardedChannels);
        if (noAr) {
            servico.start(
                QString::fromUtf8(TELLUMO_SERVICO_EXE), {u"--config"_s, servicoIni.caminho()});
            QVERIFY(QTest::qWaitFor(
                [&] {
                    QTcpSocket s;
                    s.connectToHost(QHostAddress::LocalHost, porta.toUShort());
                    return s.waitForConnected(200);
                },
                10000));
        }
        ArquivoIni ini(configuracao.path(), u"Tellumo.INI"_s);
        grava(ini,
            {{u"SERVICO"_s, u"Endereço"_s, u"127.0.0.1"_s}, {u"SERVICO"_s, u"Porta"_s, porta},
                {u"LISTAGEM"_s, u"Opção"_s, u"Grupo"_s}});
        if (senhaAberta) {
            QFile senha(configuracao.filePath(u"senha"_s));
            QVERIFY(senha.open(QIODevice::WriteOnly) && senha.write("segredo\n") > 0);
            senha.setPermissions(senha.permissions() | QFileDevice::ReadOther);
            grava(ini,
                {{u"SERVICO"_s, u"Conta"_s, u"mesa"_s},
                    {u"SERVICO"_s, u"Arquivo de Senha"_s, u"senha"_s}});
        }
        CaixaMensagemGravada caixas;
        QStringList mostradas;
        QString texto = u"<não enviado>"_s;
        frmPrincipal::Dependencias d{
            programa.path(), configuracao.path(), nullptr, nullptr, &caixas, JanelasPadrao(), {}};
        d.executaDialogo = [&](QDialog &dialogo) {
            auto *montaMsg = qobject_cast<frmMontaMsg *>(&dialogo);
            if (!montaMsg)
                return;
            montaMsg->show();
            auto *caixaDeTexto = montaMsg->findChild<QPlainTextEdit *>(u"txtMensagem"_s);
            Digita(caixaDeTexto, kTexto);
            // The send window is modal: read it from inside once its pages ended or it closed.
            QTimer::singleShot(0, montaMsg, [&, montaMsg] {
                QPointer<QDialog> envio = montaMsg->findChild<QDialog *>(u"frmEnvioPelaFila"_s);
                const auto fim = [&] {
                    return !envio || !envio->isVisible()
                        || envio->findChild<QLabel *>(u"pnlTitulo"_s)->text()
                        == u"Envio concluído"_s;
                };
                if (!QTest::qWaitFor(fim, 60000) || !envio || !envio->isVisible())
                    return;
                auto *lista = envio->findChild<QListWidget *>(u"lstPaginas"_s);
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
            Diretorio dir;
            const int grupo = dir.InsereGrupo(u"-"_s, u"Plantão"_s).value_or(-1);
            for (const auto &[nome, codigo] :
                {std::pair{u"Ana"_s, u"1001"_s}, {u"Bia"_s, u"2002"_s}})
                QVERIFY(dir.InsereUsuarioNoGrupo(
                    dir.InsereUsuario(u"-"_s, codigo, QDate(2026, 12, 1), nome).value_or(-1),
                    grupo));
            principal.mnuDigitaEnviaMsg_Click();
            log = BancoDeTeste::Coluna(BancoDeTeste::ListaLog(), u"ID_Pager"_s);
        }
        FechaBancoDeDados();
        servico.terminate();
        servico.waitForFinished();
        QCOMPARE(mostradas, situacoes);
        QCOMPARE(texto, textoApos);
        QCOMPARE(log, codigos);
        QStringList entregues;
        for (const QJsonObject &r : simulador.registros(u"pagina"_s))
            entregues << r.value(u"codigo"_s).toString() + u'|' + r.value(u"texto"_s).toString();
        entregues.sort();
        for (QString &codigo : codigos)
            codigo += u'|' + kTexto;
        QCOMPARE(entregues, codigos);
        QCOMPARE(caixas.quantidade(), caixa.isEmpty() ? 0 : 1);
        if (!caixa.isEmpty())
            QVERIFY2(caixas.ultimo().texto.contains(caixa), qPrintable(caixas.ultimo().texto));
    }
};

QTEST_MAIN(TestEnvioServico)
#include "tst_envioservico.moc"
