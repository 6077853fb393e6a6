// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaPrincipal.h"
#include "BancoNoServidor.h"
#include "core/directory/BancoDeDados.h"

#include <QTest>

// Start-up with "[BANCO]" "Servidor" in Tellumo.INI: the server's directory instead of the
// file, and the file's error path, with the server's reason, when the server fails.
class TestInicioServidor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { FechaBancoDeDados(); }

    void abreODiretorioDoServidor()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        b.grava(QStringLiteral("BANCO"), QStringLiteral("Servidor"), banco.Conexao());
        // The file is not needed, nor touched.
        QVERIFY(QFile::remove(b.programa.filePath(QStringLiteral("Pager.Mdb"))));
        frmPrincipal &j = b.cria();
        QVERIFY(j.Form_Load());
        QCOMPARE(b.caixa.quantidade(), 0);
        QCOMPARE(BancoDeDados().driverName(), QStringLiteral("QPSQL"));
        QVERIFY(!QFile::exists(b.programa.filePath(QStringLiteral("Pager.Mdb"))));
    }

    void servidorQueRecusaEncerraComOMotivo()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        BancadaPrincipal b;
        b.grava(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        b.grava(QStringLiteral("BANCO"), QStringLiteral("Servidor"), banco.ConexaoSemSenha());
        frmPrincipal &j = b.cria();
        QVERIFY(!j.Form_Load());
        QVERIFY(j.encerrado());
        QCOMPARE(b.caixa.quantidade(), 1);
        QVERIFY2(b.caixa.ultimo().texto.startsWith(QStringLiteral(
                     "Houve um erro sério ao tentar abrir o arquivo de dados do sistema.\n\n"
                     "Motivo: o servidor recusou o usuário ou a senha.")),
            qPrintable(b.caixa.ultimo().texto));
        QCOMPARE(b.caixa.ultimo().icone, CaixaMensagem::Icone::Critico);
        QCOMPARE(b.status.constLast(), QStringLiteral(" Erro iniciando o bando de dados."));
        QVERIFY(b.linha.aberturas().isEmpty());
    }
};

QTEST_MAIN(TestInicioServidor)
#include "tst_inicioservidor.moc"
