// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"
#include "core/compose/DigitacaoMensagem.h"
#include "core/directory/TextosDoCadastro.h"
#include "core/settings/ArquivoIni.h"
#include "core/settings/OpcaoListagem.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The rules of the register and compose windows that need no window: the folding of typed
// accents, the recall word, the group entries, the details lines and the list kind kept in
// the settings file.
class TestRegrasDoCadastro : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dobraCadaCaractereDaTabela_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("vira");
        const char16_t *const pares[][2] = {{u"á", u"a"}, {u"é", u"e"}, {u"í", u"i"}, {u"ó", u"o"},
            {u"ú", u"u"}, {u"ê", u"e"}, {u"â", u"a"}, {u"ü", u"u"}, {u"ç", u"c"}, {u"Á", u"A"},
            {u"É", u"E"}, {u"Í", u"I"}, {u"Ó", u"O"}, {u"Ú", u"U"}, {u"Ã", u"A"}, {u"ã", u"a"},
            {u"Õ", u"O"}, {u"õ", u"o"}, {u"Ç", u"C"}, {u"ñ", u"n"}, {u"Ñ", u"N"}, {u"à", u"a"},
            // Outside the table: reach the text as typed.
            {u"À", u"À"}, {u"Â", u"Â"}, {u"Ê", u"Ê"}, {u"Ô", u"Ô"}, {u"ô", u"ô"}, {u"Ü", u"Ü"},
            {u"è", u"è"}, {u"a", u"a"}, {u"Z", u"Z"}, {u"9", u"9"}, {u" ", u" "}};
        for (const auto &par : pares) {
            const QString digitado = QString::fromUtf16(par[0]);
            QTest::newRow(qPrintable(digitado)) << digitado << QString::fromUtf16(par[1]);
        }
    }
    void dobraCadaCaractereDaTabela()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, vira);
        QCOMPARE(QString(digitacao::DobraCaractereDigitado(digitado.at(0))), vira);
    }

    void palavraDeRecuperacao_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("recupera");
        QTest::newRow("maiúsculas") << QStringLiteral("=ANTERIOR") << true;
        QTest::newRow("minúsculas") << QStringLiteral("=anterior") << true;
        QTest::newRow("misturadas") << QStringLiteral("=AnTeRiOr") << true;
        QTest::newRow("branco antes") << QStringLiteral(" =ANTERIOR") << false;
        QTest::newRow("ponto depois") << QStringLiteral("=ANTERIOR.") << false;
        QTest::newRow("dentro de frase") << QStringLiteral("veja =ANTERIOR") << false;
        QTest::newRow("sem sinal") << QStringLiteral("ANTERIOR") << false;
        QTest::newRow("vazio") << QString() << false;
    }
    void palavraDeRecuperacao()
    {
        QFETCH(QString, texto);
        QFETCH(bool, recupera);
        QCOMPARE(digitacao::PedeMensagemAnterior(texto), recupera);
    }

    void entradaDeGrupo_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("entrada");
        QTest::newRow("sete") << 7 << QStringLiteral("Vendas") << QStringLiteral("00007 - Vendas");
        QTest::newRow("cinco dígitos")
            << 12345 << QStringLiteral("A") << QStringLiteral("12345 - A");
        QTest::newRow("nome com números")
            << 3 << QStringLiteral("42 - x") << QStringLiteral("00003 - 42 - x");
        QTest::newRow("além de cinco dígitos")
            << 123456 << QStringLiteral("Campo") << QStringLiteral("123456 - Campo");
    }
    void entradaDeGrupo()
    {
        QFETCH(int, id);
        QFETCH(QString, nome);
        QFETCH(QString, entrada);
        QCOMPARE(cadastro::EntradaDeGrupo(id, nome), entrada);
        QCOMPARE(cadastro::IdDaEntradaDeGrupo(entrada), id);
    }

    void detalhesEmQuatroLinhas_data()
    {
        QTest::addColumn<int>("grupos");
        QTest::addColumn<QString>("linhaDosGrupos");
        QTest::newRow("nenhum") << 0 << QStringLiteral("Grupos: Não pertence a nenhum grupo.");
        QTest::newRow("um") << 1 << QStringLiteral("Grupos: Pertence a 1 grupo(s).");
        QTest::newRow("três") << 3 << QStringLiteral("Grupos: Pertence a 3 grupo(s).");
    }
    void detalhesEmQuatroLinhas()
    {
        QFETCH(int, grupos);
        QFETCH(QString, linhaDosGrupos);
        const QString detalhes = cadastro::DetalhesDoUsuario(QStringLiteral("4711"),
            QStringLiteral("06/12/1998"), grupos, QStringLiteral("Gerente"));
        QCOMPARE(detalhes.split(QStringLiteral("\r\n")),
            QStringList({QStringLiteral("Código do Pager: 4711"),
                QStringLiteral("Data de Cadastro: 06/12/1998"), linhaDosGrupos,
                QStringLiteral("Descrição: Gerente")}));
    }

    void opcaoDeListagemNoArquivo_data()
    {
        QTest::addColumn<QString>("conteudo");
        QTest::addColumn<bool>("porGrupo");
        QTest::addColumn<QString>("depois");
        QTest::newRow("sem arquivo") << QString() << false << QStringLiteral("Usuário");
        QTest::newRow("usuário") << QStringLiteral("[LISTAGEM]\r\nOpção=Usuário\r\n") << false
                                 << QStringLiteral("Usuário");
        QTest::newRow("grupo") << QStringLiteral("[LISTAGEM]\r\nOpção=Grupo\r\n") << true
                               << QStringLiteral("Grupo");
        // Comparisons are exact: anything but "Usuário" lists groups and is left as it is.
        QTest::newRow("minúsculas") << QStringLiteral("[LISTAGEM]\r\nOpção=usuário\r\n") << true
                                    << QStringLiteral("usuário");
        QTest::newRow("vazia") << QStringLiteral("[LISTAGEM]\r\nOpção=\r\n") << true << QString();
    }
    void opcaoDeListagemNoArquivo()
    {
        QFETCH(QString, conteudo);
        QFETCH(bool, porGrupo);
        QFETCH(QString, depois);
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), QStringLiteral("Tellumo.INI"));
        if (!conteudo.isNull()) {
            QFile f(ini.caminho());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(cp1252::codifica(conteudo));
        }
        QCOMPARE(AjustaINIOpcao(ini) == Listagem::PorGrupo, porGrupo);
        QCOMPARE(ini.LePerfil(QStringLiteral("LISTAGEM"), QStringLiteral("Opção"),
                     QStringLiteral("ausente")),
            depois);
    }
};

QTEST_GUILESS_MAIN(TestRegrasDoCadastro)
#include "tst_regrasdocadastro.moc"
