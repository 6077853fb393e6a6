// SPDX-License-Identifier: GPL-3.0-or-later
#include "../ArquivosDeTeste.h"
#include "engine/Interpretacao.h"

#include <QTemporaryDir>
#include <QTest>

using Variaveis_Globais::LeInterpretacao;
using Variaveis_Globais::TamanhoRegistro;

class TestInterpretacao : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_pasta;
    QString pasta() const { return m_pasta.path(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pasta.isValid());
        QVERIFY(ArquivosDeTeste::gravaRegistros(pasta(), QStringLiteral("CVIDA.DAT"),
            {{1, "Primeiro texto."}, {2, "   Com brancos nas pontas.   "}, {3, "Terceiro registro"},
                {4, "Linha um.\r\n\r\nLinha dois."},
                {5, cp1252::codifica(QStringLiteral("Ação, coração e êxito."))},
                {6, QByteArray(TamanhoRegistro, 'x')}}));
    }

    void leORegistroPedido_data()
    {
        QTest::addColumn<int>("registro");
        QTest::addColumn<QString>("texto");
        QTest::newRow("primeiro") << 1 << QStringLiteral("Primeiro texto.");
        QTest::newRow("brancos nas duas pontas") << 2 << QStringLiteral("Com brancos nas pontas.");
        QTest::newRow("terceiro: bytes 10240 a 15359") << 3 << QStringLiteral("Terceiro registro");
        QTest::newRow("quebras internas mantidas")
            << 4 << QStringLiteral("Linha um.\r\n\r\nLinha dois.");
        QTest::newRow("acentos em Windows-1252") << 5 << QStringLiteral("Ação, coração e êxito.");
    }
    void leORegistroPedido()
    {
        QFETCH(int, registro);
        QFETCH(QString, texto);
        QCOMPARE(LeInterpretacao(registro, QStringLiteral("CVIDA.DAT"), pasta()), texto);
    }

    void registroCheioVemInteiro()
    {
        QCOMPARE(LeInterpretacao(6, QStringLiteral("CVIDA.DAT"), pasta()),
            QString(TamanhoRegistro, u'x'));
    }

    void semTextoDevolveVazio_data()
    {
        QTest::addColumn<int>("registro");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("arquivo ausente") << 1 << QStringLiteral("CFORM.DAT");
        QTest::newRow("registro além do fim") << 7 << QStringLiteral("CVIDA.DAT");
        QTest::newRow("registro 0") << 0 << QStringLiteral("CVIDA.DAT");
        QTest::newRow("registro negativo") << -1 << QStringLiteral("CVIDA.DAT");
    }
    void semTextoDevolveVazio()
    {
        QFETCH(int, registro);
        QFETCH(QString, arquivo);
        QVERIFY(QFile::exists(QDir(pasta()).filePath(QStringLiteral("CVIDA.DAT"))));
        QCOMPARE(LeInterpretacao(registro, arquivo, pasta()), QString());
    }

    void arquivoCortadoNoMeioDoRegistro()
    {
        QFile f(QDir(pasta()).filePath(QStringLiteral("CURTO.DAT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(TamanhoRegistro, ' ') + "  Resto sem preenchimento");
        f.close();
        QCOMPARE(LeInterpretacao(2, QStringLiteral("CURTO.DAT"), pasta()),
            QStringLiteral("Resto sem preenchimento"));
        QCOMPARE(LeInterpretacao(1, QStringLiteral("CURTO.DAT"), pasta()), QString());
    }

    void nadaFicaGuardadoEntreLeituras()
    {
        // A text changed between two lookups shows at once: nothing is cached.
        const QString nome = QStringLiteral("TROCA.DAT");
        QVERIFY(ArquivosDeTeste::gravaRegistros(pasta(), nome, {{1, "antes"}}));
        QCOMPARE(LeInterpretacao(1, nome, pasta()), QStringLiteral("antes"));
        QVERIFY(ArquivosDeTeste::gravaRegistros(pasta(), nome, {{1, "depois"}}));
        QCOMPARE(LeInterpretacao(1, nome, pasta()), QStringLiteral("depois"));
    }
};

QTEST_GUILESS_MAIN(TestInterpretacao)
#include "tst_interpretacao.moc"
