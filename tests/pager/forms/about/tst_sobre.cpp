// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/about/frmSobre.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

// The about box: what it names and tells, and its one button.
class TestSobre : public QObject
{
    Q_OBJECT

    static QLabel *Rotulo(frmSobre &caixa, const char *nome)
    {
        return caixa.findChild<QLabel *>(QString::fromLatin1(nome));
    }

private slots:
    void linhaDoProdutoEmLetraComSerifa()
    {
        frmSobre sobre;
        QLabel *titulo = Rotulo(sobre, "pnlTituloFundo");
        QVERIFY(titulo);
        QCOMPARE(titulo->text(), QStringLiteral("Quorvane® Tellumo"));
        QCOMPARE(titulo->font().styleHint(), QFont::Serif);
    }

    void quatroParagrafosTerminandoNoTelefone()
    {
        frmSobre sobre;
        const QStringList paragrafos = Rotulo(sobre, "pnlMsg")->text().split(QLatin1Char('\n'));
        QCOMPARE(paragrafos.size(), 4);
        for (const QString &p : paragrafos)
            QVERIFY2(!p.trimmed().isEmpty(), "parágrafo vazio");
        QVERIFY(paragrafos.at(2).contains(QStringLiteral("Quorvane®")));
        QVERIFY(paragrafos.at(3).startsWith(QStringLiteral("Ligue para nós: ")));
        QVERIFY(paragrafos.at(3).contains(QLatin1Char('@')));
    }

    void logotipoERodapeComOEnderecoDeSuporte()
    {
        frmSobre sobre;
        QLabel *logo = Rotulo(sobre, "Image1");
        QVERIFY(logo);
        const QImage imagem = logo->pixmap().toImage();
        int desenhados = 0;
        for (int y = 0; y < imagem.height(); ++y) {
            for (int x = 0; x < imagem.width(); ++x)
                desenhados += qAlpha(imagem.pixel(x, y)) > 0;
        }
        QVERIFY2(desenhados > imagem.width() * imagem.height() / 10, "logotipo em branco");

        const QString dica = Rotulo(sobre, "pnlDica")->text();
        QVERIFY(dica.startsWith(QStringLiteral("Quorvane® Brasil")));
        const QRegularExpression email(QStringLiteral("[\\w.]+@[\\w]+(\\.[\\w]+)+"));
        const QString doTexto = email.match(Rotulo(sobre, "pnlMsg")->text()).captured();
        QVERIFY(!doTexto.isEmpty());
        QCOMPARE(email.match(dica).captured(), doTexto);
    }

    void okFecha()
    {
        frmSobre sobre;
        sobre.show();
        auto *ok = sobre.findChild<QAbstractButton *>(QStringLiteral("cmdOkay"));
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        ok->click();
        QVERIFY(!sobre.isVisible());
        QCOMPARE(sobre.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestSobre)
#include "tst_sobre.moc"
