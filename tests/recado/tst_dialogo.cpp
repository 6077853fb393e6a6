// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagemGravada.h"
#include "CaixaMensagemQt.h"
#include "ConexaoFalsa.h"
#include "ConexaoSocket.h"
#include "DialogoMensagem.h"
#include "Remetente.h"
#include "ServidorLocal.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using Resposta = CaixaMensagem::Resposta;

namespace {

// One run of the program on a scripted connection and message box.
struct Programa
{
    explicit Programa(Conexao &c)
        : remetente(c, caixa, {"www.exemplo.com.br", 80, "54321"})
    {
        dialogo = std::make_unique<DialogoMensagem>(remetente, caixa);
        fim = std::make_unique<QSignalSpy>(dialogo.get(), &QDialog::finished);
        dialogo->show();
        dialogo->inicia();
        QCoreApplication::processEvents(); // the scripted connection answers at once
        QApplication::setActiveWindow(dialogo.get());
        texto()->setFocus();
    }
    QPlainTextEdit *texto() const { return dialogo->findChild<QPlainTextEdit *>("txtMensagem"); }
    QPushButton *enviar() const { return dialogo->findChild<QPushButton *>("cmdEnviar"); }
    QPushButton *cancelar() const { return dialogo->findChild<QPushButton *>("cmdCancelar"); }
    bool terminou() const { return fim->count() == 1 && !dialogo->isVisible(); }

    CaixaMensagemGravada caixa;
    Remetente remetente;
    std::unique_ptr<DialogoMensagem> dialogo;
    std::unique_ptr<QSignalSpy> fim;
};

} // namespace

// The dialog as the user works it: typing, the limits, the question, the keys.
class TestDialogo : public QObject
{
    Q_OBJECT

private slots:
    void opensConnectedWithItsControls()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        QVERIFY(QTest::qWaitForWindowActive(p.dialogo.get()));
        QCOMPARE(p.dialogo->windowTitle(), QStringLiteral("Mensagem para Quorvane® via InterNet"));
        QVERIFY(p.texto() && p.enviar() && p.cancelar());
        QCOMPARE(p.enviar()->text(), QStringLiteral("&Enviar"));
        QCOMPARE(p.cancelar()->text(), QStringLiteral("&Cancelar"));
        QVERIFY(p.enviar()->isEnabled());
        QVERIFY(conexao.aberta);
        const QLabel *figura = p.dialogo->findChild<QLabel *>("imgQuorvane");
        QVERIFY(figura && !figura->pixmap().isNull());
        QCOMPARE(p.texto()->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(p.texto()->font().bold());
        QCOMPARE(p.texto()->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(p.texto()->palette().color(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(p.caixa.quantidade(), 0);
    }

    void refusedConnectionLeavesOnlyCancel()
    {
        ConexaoSocket conexao;
        CaixaMensagemGravada caixa;
        Remetente remetente(conexao, caixa, {"127.0.0.1", ServidorLocal::portaFechada(), "12345"});
        DialogoMensagem dialogo(remetente, caixa);
        dialogo.show();
        dialogo.inicia();
        QTRY_COMPARE(caixa.textos(),
            QStringList({QStringLiteral("A conexão foi forçadamente cancelada..."),
                QStringLiteral("Erro: Connection refused.")}));
        QCOMPARE(caixa.registros().at(0).titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa.registros().at(0).icone, CaixaMensagem::Icone::Nenhum);
        QCOMPARE(caixa.registros().at(1).titulo, QStringLiteral("Erro:"));
        QCOMPARE(caixa.registros().at(1).icone, CaixaMensagem::Icone::Exclamacao);
        auto *enviar = dialogo.findChild<QPushButton *>("cmdEnviar");
        QVERIFY(!enviar->isEnabled());
        QVERIFY(dialogo.isVisible());

        auto *texto = dialogo.findChild<QPlainTextEdit *>("txtMensagem");
        QTest::keyClicks(texto, "mensagem longa");
        QTest::keyClick(texto, Qt::Key_Return);
        QCOMPARE(caixa.quantidade(), 2); // Enter cannot send without a connection
        QVERIFY(dialogo.isVisible());
        QTest::keyClick(texto, Qt::Key_Escape);
        QVERIFY(!dialogo.isVisible());
    }

    // A server that never answers (a listener whose backlog is full: the system drops the
    // next connection attempts) must not hide or freeze the window while recado waits.
    void opensAtOnceWhileTheServerKeepsItWaiting()
    {
        sockaddr_in endereco{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        auto *bruto = reinterpret_cast<sockaddr *>(&endereco);
        socklen_t tamanho = sizeof endereco;
        std::vector<int> fds{::socket(AF_INET, SOCK_STREAM, 0)};
        const auto fecha = qScopeGuard([&] { std::for_each(fds.begin(), fds.end(), ::close); });
        QVERIFY(::bind(fds[0], bruto, tamanho) == 0 && ::listen(fds[0], 0) == 0
            && ::getsockname(fds[0], bruto, &tamanho) == 0);
        for (int i = 0; i < 3; ++i) {
            fds.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
            ::connect(fds.back(), bruto, tamanho);
        }
        ConexaoSocket conexao(1000);
        CaixaMensagemGravada caixa;
        Remetente remetente(conexao, caixa, {"127.0.0.1", ntohs(endereco.sin_port), "12345"});
        DialogoMensagem dialogo(remetente, caixa);
        auto *texto = dialogo.findChild<QPlainTextEdit *>("txtMensagem");
        auto *enviar = dialogo.findChild<QPushButton *>("cmdEnviar");
        QElapsedTimer relogio;
        relogio.start();
        dialogo.show();
        dialogo.inicia();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
        QTest::keyClicks(texto, "Oi tudo bem");
        QCOMPARE(texto->toPlainText(), QStringLiteral("Oi tudo bem"));
        QVERIFY2(relogio.elapsed() < 200, qPrintable(QString::number(relogio.elapsed())));
        QVERIFY(!enviar->isEnabled() && caixa.quantidade() == 0);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);

        // Then the failure goes as any other: its message, only "&Cancelar" left.
        QTRY_COMPARE_WITH_TIMEOUT(
            caixa.textos(), QStringList{QStringLiteral("Erro: Connection timed out.")}, 10000);
        QVERIFY(!enviar->isEnabled() && dialogo.isVisible() && !QGuiApplication::overrideCursor());
    }

    // The request is Windows-1252: what it cannot hold never enters the box.
    void onlyWindows1252CharactersEnter()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        for (const QChar c : QStringLiteral("Oi ☺ ação €")) {
            QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(p.texto(), &tecla);
        }
        QApplication::clipboard()->setText(QStringLiteral(" x😀y"));
        p.texto()->paste();
        QCOMPARE(p.texto()->toPlainText(), QStringLiteral("Oi  ação € xy"));
    }

    // The real message box shows the text as typed, never as formatted text.
    void confirmationShowsTheTextAsTyped()
    {
        ConexaoFalsa conexao;
        CaixaMensagemQt caixa;
        Remetente remetente(conexao, caixa, {"www.exemplo.com.br", 80, "54321"});
        DialogoMensagem dialogo(remetente, caixa);
        dialogo.show();
        dialogo.inicia();
        QTRY_VERIFY(dialogo.findChild<QPushButton *>("cmdEnviar")->isEnabled());
        QTest::keyClicks(dialogo.findChild<QPlainTextEdit *>("txtMensagem"), "Oi <b>tudo</b> bem");
        QString visto;
        Qt::TextFormat formato = Qt::RichText;
        QTimer::singleShot(0, [&] {
            auto *pergunta = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(pergunta);
            visto = pergunta->text();
            formato = pergunta->textFormat();
            pergunta->button(QMessageBox::No)->click();
        });
        dialogo.findChild<QPushButton *>("cmdEnviar")->click();
        QCOMPARE(visto,
            QStringLiteral("Confirma o envio da mensagem \"Oi <b>tudo</b> bem\" para Quorvane®?"));
        QCOMPARE(formato, Qt::PlainText);
        QCOMPARE(conexao.envios, 0);
    }

    void minimumLength_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("4 refused") << QStringLiteral("abcd") << QStringLiteral("Advertência:");
        QTest::newRow("5 accepted") << QStringLiteral("abcde") << QStringLiteral("Confirmação:");
    }
    void minimumLength()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, titulo);
        ConexaoFalsa conexao;
        Programa p(conexao);
        p.caixa.respostaPadrao = Resposta::Nao;
        QTest::keyClicks(p.texto(), digitado);
        QTest::mouseClick(p.enviar(), Qt::LeftButton);
        QCOMPARE(p.caixa.quantidade(), 1);
        QCOMPARE(p.caixa.ultimo().titulo, titulo);
        QVERIFY(p.dialogo->isVisible());
        QCOMPARE(p.texto()->toPlainText(), digitado);
        QCOMPARE(p.dialogo->focusWidget(), p.texto());
        QCOMPARE(conexao.envios, 0);
    }

    void typingThe200thCharacterShowsTheLimit()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        QTest::keyClicks(p.texto(), QString(199, u'a'));
        QCOMPARE(p.caixa.quantidade(), 0);
        QTest::keyClicks(p.texto(), QStringLiteral("b"));
        QCOMPARE(p.caixa.quantidade(), 1);
        QCOMPARE(p.caixa.ultimo().titulo, QStringLiteral("Limite Esgotado"));
        QCOMPARE(p.caixa.ultimo().texto,
            QStringLiteral("Desculpe, mas o programa não pode enviar mensagens que "
                           "ultrapassem 200 caracteres."));
        QCOMPARE(p.caixa.ultimo().icone, CaixaMensagem::Icone::Informacao);
        QCOMPARE(p.texto()->toPlainText(), QString(199, u'a') + u'b');

        QTest::keyClicks(p.texto(), QStringLiteral("c"));
        QCOMPARE(p.caixa.quantidade(), 2);
        QCOMPARE(p.texto()->toPlainText(), QString(199, u'a') + u'b');
    }

    void pasting300CharactersKeepsTheFirst200()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        QString colado;
        for (int i = 0; i < 300; ++i)
            colado += QChar(u'a' + i % 26);
        QApplication::clipboard()->setText(colado);
        p.texto()->paste();
        QCOMPARE(p.texto()->toPlainText(), colado.left(200));
        QCOMPARE(p.caixa.textos().size(), 1);
        QCOMPARE(p.caixa.ultimo().titulo, QStringLiteral("Limite Esgotado"));
    }

    void answeringNoReturnsToTheText()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        QTest::keyClicks(p.texto(), "Oi tudo bem?");
        p.caixa.responde({Resposta::Nao});
        QTest::mouseClick(p.enviar(), Qt::LeftButton);
        QCOMPARE(p.caixa.ultimo().texto,
            QStringLiteral("Confirma o envio da mensagem \"Oi tudo bem?\" para Quorvane®?"));
        QVERIFY(p.dialogo->isVisible());
        QCOMPARE(p.dialogo->focusWidget(), p.texto());
        QCOMPARE(p.texto()->toPlainText(), QStringLiteral("Oi tudo bem?"));
        QCOMPARE(conexao.envios, 0);
    }

    void confirmedSendEndsTheProgram()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        QTest::keyClicks(p.texto(), "Oi tudo bem?");
        p.caixa.responde({Resposta::Sim});
        QTest::mouseClick(p.enviar(), Qt::LeftButton);
        QCOMPARE(conexao.enviado,
            QByteArray("GET /cgi/procmsg.pl?id=54321&msg=Oi+tudo+bem! HTTP/1.0\n"
                       "referer:http://www.exemplo.com.br/mensa/men.html\n\n"));
        QCOMPARE(p.caixa.ultimo().titulo, QStringLiteral("Mensagem Enviada"));
        QVERIFY(!conexao.aberta);
        QVERIFY(p.terminou());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("termina");
        QTest::addColumn<QString>("focoDepois");
        QTest::addColumn<int>("caixas");
        QTest::newRow("Escape in the text")
            << "txtMensagem" << int(Qt::Key_Escape) << true << "" << 0;
        QTest::newRow("Escape on Enviar") << "cmdEnviar" << int(Qt::Key_Escape) << true << "" << 0;
        QTest::newRow("Enter on Cancelar")
            << "cmdCancelar" << int(Qt::Key_Return) << true << "" << 0;
        QTest::newRow("Enter in the text asks")
            << "txtMensagem" << int(Qt::Key_Return) << false << "txtMensagem" << 1;
        QTest::newRow("keypad Enter on Enviar asks")
            << "cmdEnviar" << int(Qt::Key_Enter) << false << "txtMensagem" << 1;
        QTest::newRow("Tab from the text")
            << "txtMensagem" << int(Qt::Key_Tab) << false << "cmdEnviar" << 0;
        QTest::newRow("Tab from Enviar")
            << "cmdEnviar" << int(Qt::Key_Tab) << false << "cmdCancelar" << 0;
    }
    void keys()
    {
        QFETCH(QString, foco);
        QFETCH(int, tecla);
        QFETCH(bool, termina);
        QFETCH(QString, focoDepois);
        QFETCH(int, caixas);
        ConexaoFalsa conexao;
        Programa p(conexao);
        QVERIFY(QTest::qWaitForWindowActive(p.dialogo.get()));
        QTest::keyClicks(p.texto(), "mensagem");
        p.caixa.respostaPadrao = Resposta::Nao;
        auto *alvo = p.dialogo->findChild<QWidget *>(foco);
        alvo->setFocus();

        QTest::keyClick(alvo, static_cast<Qt::Key>(tecla));

        QCOMPARE(p.terminou(), termina);
        QCOMPARE(p.caixa.quantidade(), caixas);
        QCOMPARE(p.texto()->toPlainText(), QStringLiteral("mensagem"));
        if (!termina)
            QCOMPARE(p.dialogo->focusWidget()->objectName(), focoDepois);
    }

    void closeBoxEndsTheProgram()
    {
        ConexaoFalsa conexao;
        Programa p(conexao);
        p.dialogo->close();
        QVERIFY(p.terminou());
        QVERIFY(!conexao.aberta);
    }
};

QTEST_MAIN(TestDialogo)
#include "tst_dialogo.moc"
