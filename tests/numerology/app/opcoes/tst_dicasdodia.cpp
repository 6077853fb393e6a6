#include "CaixaMensagemGravada.h"
#include "Cp1252.h"
#include "app/opcoes/DicaDoDia.h"
#include "app/opcoes/frmDicasDoDia.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString dica(int n)
{
    return QStringLiteral("Dica número %1: a numerologia é uma ferramenta de autoconhecimento.")
        .arg(n);
}

bool gravaDicas(const QString &pasta, int quantidade)
{
    QByteArray bytes;
    for (int n = 1; n <= quantidade; ++n)
        bytes += cp1252::codifica(dica(n)) + "\r\n";
    QFile f(QDir(pasta).filePath(QStringLiteral("byday.arq")));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool grava(const QString &pasta, const QString &nome, const QByteArray &bytes)
{
    QFile f(QDir(pasta).filePath(nome));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray conteudo(const QString &pasta, const QString &nome)
{
    QFile f(QDir(pasta).filePath(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
}

QString dicaMostrada(const frmDicasDoDia &dialogo)
{
    return dialogo.findChild<QLabel *>(QStringLiteral("lblDica"))->text();
}

} // namespace

class TestDicasDoDia : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pasta->isValid());
    }

    void numeroSorteado_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("numero");
        QTest::newRow("zero: a primeira") << 0.0 << 1;
        QTest::newRow("metade") << 0.5 << 19;
        QTest::newRow("quase um: a 37ª") << 0.99999 << 37;
        QTest::newRow("um, fora do intervalo, não passa da 37ª") << 1.0 << 37;
        QTest::newRow("negativo não vem antes da 1ª") << -0.2 << 1;
    }

    void numeroSorteado()
    {
        QFETCH(double, r);
        QFETCH(int, numero);
        QCOMPARE(DicaDoDia::numeroSorteado(r), numero);
    }

    void mostraALinhaSorteada_data()
    {
        QTest::addColumn<int>("linhasNoArquivo");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("primeira") << 40 << 0.0 << dica(1);
        QTest::newRow("37ª, com linhas além dela") << 40 << 0.9999 << dica(37);
        QTest::newRow("arquivo curto: a última linha lida") << 3 << 0.9 << dica(3);
        QTest::newRow("arquivo ausente: sem dica") << 0 << 0.3 << QString();
    }

    void mostraALinhaSorteada()
    {
        QFETCH(int, linhasNoArquivo);
        QFETCH(double, r);
        QFETCH(QString, esperada);
        if (linhasNoArquivo > 0)
            QVERIFY(gravaDicas(m_pasta->path(), linhasNoArquivo));
        CaixaMensagemGravada caixa;
        frmDicasDoDia dialogo(m_pasta->path(), caixa, [r] { return r; });

        QCOMPARE(dicaMostrada(dialogo), esperada);
        QVERIFY(dialogo.findChild<QCheckBox *>(QStringLiteral("chkExibeDicas"))->isChecked());
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Dica Do Dia . . ."));
        QCOMPARE(dialogo.findChild<QLabel *>(QStringLiteral("lblTituloDica"))->text(),
            QStringLiteral("Você Sabia?"));

        // The dialog opens whatever the file held, and "P&rosseguir..." closes it.
        QTimer::singleShot(0, &dialogo, [&] {
            QVERIFY(dialogo.isVisible());
            dialogo.findChild<QPushButton *>(QStringLiteral("cmdProsseguir"))->click();
        });
        QCOMPARE(dialogo.exec(), int(QDialog::Accepted));
    }

    void aoAcasoNuncaPassaDa37aLinha()
    {
        QVERIFY(gravaDicas(m_pasta->path(), 45));
        CaixaMensagemGravada caixa;
        QSet<QString> vistas;
        for (int i = 0; i < 1500; ++i)
            vistas.insert(dicaMostrada(frmDicasDoDia(m_pasta->path(), caixa)));
        QSet<QString> primeiras;
        for (int n = 1; n <= 37; ++n)
            primeiras.insert(dica(n));
        QCOMPARE(vistas, primeiras);
    }

    void clicarNaCaixaRegravaDicasIncNaHora()
    {
        QVERIFY(gravaDicas(m_pasta->path(), 37));
        QVERIFY(grava(m_pasta->path(), QStringLiteral("dicas.inc"), "S\r\n"));
        CaixaMensagemGravada caixa;
        frmDicasDoDia dialogo(m_pasta->path(), caixa, [] { return 0.0; });
        auto *chk = dialogo.findChild<QCheckBox *>(QStringLiteral("chkExibeDicas"));
        QCOMPARE(chk->text(), QStringLiteral("&Exibir Dicas ao Iniciar Vistral"));

        QTest::mouseClick(chk, Qt::LeftButton);
        QCOMPARE(conteudo(m_pasta->path(), QStringLiteral("dicas.inc")), QByteArray("N\r\n"));
        QTest::mouseClick(chk, Qt::LeftButton);
        QCOMPARE(conteudo(m_pasta->path(), QStringLiteral("dicas.inc")), QByteArray("S\r\n"));
        QCOMPARE(caixa.quantidade(), 0);
    }

    void comDicasIncNNaoSeExibe()
    {
        QVERIFY(gravaDicas(m_pasta->path(), 37));
        QVERIFY(grava(m_pasta->path(), QStringLiteral("dicas.inc"), "N\r\n"));
        CaixaMensagemGravada caixa;
        frmDicasDoDia dialogo(m_pasta->path(), caixa);
        QCOMPARE(dialogo.exec(), int(QDialog::Rejected));
        QVERIFY(!dialogo.isVisible());
    }

    void escolhaQueNaoPodeSerGravadaAvisa()
    {
        const QString semPasta = m_pasta->filePath(QStringLiteral("nao-existe"));
        CaixaMensagemGravada caixa;
        frmDicasDoDia dialogo(semPasta, caixa, [] { return 0.0; });
        dialogo.findChild<QCheckBox *>(QStringLiteral("chkExibeDicas"))->click();
        QCOMPARE(caixa.quantidade(), 1);
        QCOMPARE(caixa.ultimo().titulo, QStringLiteral("Erro:"));
        QVERIFY(caixa.ultimo().texto.contains(QStringLiteral("dicas.inc")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_pasta;
};

QTEST_MAIN(TestDicasDoDia)
#include "tst_dicasdodia.moc"
