// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeTeste.h"
#include "BancoNoServidor.h"
#include "core/directory/Diretorio.h"
#include "core/directory/Servidor.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kServidor = QStringLiteral("servidor");
const QString kArquivo = QStringLiteral("arquivo");

struct Saida
{
    int codigo = -1;
    QString texto;
    QString erros;
};

Saida roda(const QStringList &argumentos)
{
    QProcess p;
    p.start(QStringLiteral(TELLUMO_BANCO_EXE), argumentos);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Every row of a query as "a|b|c" lines, to compare a table on both engines.
QStringList linhas(const QSqlDatabase &db, const QString &sql)
{
    QStringList resultado;
    QSqlQuery q(db);
    if (!q.exec(sql))
        return {QStringLiteral("<falhou>")};
    while (q.next()) {
        QStringList campos;
        for (int i = 0; i < q.record().count(); ++i)
            campos.append(q.value(i).toString());
        resultado.append(campos.join(QLatin1Char('|')));
    }
    return resultado;
}

const QStringList kConsultas = {
    QStringLiteral("SELECT ID_Usuario, Nome_Usuario, ID_Pager, Descricao, Data_Cadastro "
                   "FROM Usuarios ORDER BY ID_Usuario"),
    QStringLiteral("SELECT ID_Grupo, Nome_Grupo, Descricao_Grupo FROM Grupos ORDER BY ID_Grupo"),
    QStringLiteral("SELECT ID_Usuario, ID_Grupo FROM Usuario_Grupo ORDER BY ID_Usuario, ID_Grupo"),
    QStringLiteral("SELECT rowid, Data, Hora, Usuario, Mensagem, ID_Pager, ID_Usuario FROM Log "
                   "ORDER BY rowid"),
};

} // namespace

// tellumo-banco on the suite's cluster: the demo's directory copied whole, identifiers
// kept; a database that already holds a directory is refused and left as it was.
class TestTellumoBanco : public QObject
{
    Q_OBJECT

    QTemporaryDir pasta_;

    // The demo's Pager.Mdb, its second user deleted (a gap in the identifiers), and two
    // log rows, one with both quote characters.
    QString arquivoDaDemo(const QStringList &extras = {})
    {
        QString erro;
        if (!BancoDeTeste::CriaBancoVazio(pasta_.path(), QStringLiteral("Pager.Mdb"), &erro))
            return erro;
        QFile exemplos(QStringLiteral(TELLUMO_EXEMPLOS));
        if (!exemplos.open(QIODevice::ReadOnly))
            return exemplos.fileName();
        QStringList comandos = QString::fromUtf8(exemplos.readAll())
                                   .remove(QRegularExpression(QStringLiteral("--[^\n]*")))
                                   .split(QLatin1Char(';'), Qt::SkipEmptyParts);
        comandos << QStringLiteral("DELETE FROM Usuarios WHERE ID_Usuario = 2")
                 << QStringLiteral("DELETE FROM Usuario_Grupo WHERE ID_Usuario = 2")
                 << QStringLiteral("INSERT INTO Log VALUES ('20260301', '09:15', 'João da "
                                   "Silva', 'Reunião às 10h', '1234567', 1)")
                 << QStringLiteral("INSERT INTO Log VALUES ('20260302', '18:40', 'Cecília "
                                   "Brandão', 'Pedido \"urgente\" d''ela', '6789012', 6)")
                 << extras;
        const QString caminho = pasta_.filePath(QStringLiteral("Pager.Mdb"));
        {
            QSqlDatabase db = BancoDeTeste::AbreConexao(caminho, kArquivo);
            for (const QString &c : comandos) {
                QSqlQuery q(db);
                if (!c.trimmed().isEmpty() && !q.exec(c))
                    return c;
            }
        }
        BancoDeTeste::FechaConexao(kArquivo);
        return caminho;
    }

private Q_SLOTS:
    void cleanup()
    {
        BancoDeTeste::FechaConexao(kServidor);
        BancoDeTeste::FechaConexao(kArquivo);
    }

    // New rows never get the identifier of a deleted one (the file's high-water marks, ids
    // its log still names).
    void copiaODiretorioComSeusIdentificadores_data()
    {
        QTest::addColumn<QStringList>("extras");
        QTest::addColumn<int>("usuario");
        QTest::addColumn<QString>("contagem");
        QTest::newRow("demo") << QStringList() << 7
                              << "5 usuários, 3 grupos, 6 participações em grupos, 2";
        QTest::newRow("últimos apagados")
            << QStringList{"DELETE FROM Usuarios WHERE ID_Usuario = 6",
                   "DELETE FROM Log WHERE ID_Usuario = 6", "DELETE FROM Grupos WHERE ID_Grupo = 3",
                   "DELETE FROM Usuario_Grupo WHERE ID_Grupo = 3"}
            << 7 << "4 usuários, 2 grupos, 3 participações em grupos, 1";
        QTest::newRow("histórico cita apagado")
            << QStringList{"INSERT INTO Log (ID_Usuario) VALUES (40)",
                   "DELETE FROM Grupos WHERE ID_Grupo = 3",
                   "DELETE FROM Usuario_Grupo WHERE ID_Grupo = 3"}
            << 41 << "5 usuários, 2 grupos, 3 participações em grupos, 3";
    }
    void copiaODiretorioComSeusIdentificadores()
    {
        QFETCH(QStringList, extras);
        QFETCH(int, usuario);
        QFETCH(QString, contagem);
        BancoNoServidor banco(false);
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        const QString arquivo = arquivoDaDemo(extras);
        QVERIFY2(arquivo.endsWith(QLatin1String("Pager.Mdb")), qPrintable(arquivo));

        const Saida s = roda({QStringLiteral("copiar"), arquivo, banco.Conexao()});
        QVERIFY2(s.codigo == 0, qPrintable(s.erros));
        QCOMPARE(s.texto.trimmed(),
            QStringLiteral("Copiados para o servidor: %1 mensagens do histórico.").arg(contagem));

        const QSqlDatabase servidor = Servidor::Abre(banco.Conexao(), kServidor, nullptr);
        const QSqlDatabase origem = BancoDeTeste::AbreConexao(arquivo, kArquivo);
        for (const QString &consulta : kConsultas)
            QCOMPARE(linhas(servidor, consulta), linhas(origem, consulta));

        // The server numbers new rows after the copied ones.
        Diretorio diretorio(kServidor);
        QCOMPARE(diretorio.InsereUsuario(QStringLiteral("d"), QStringLiteral("7"),
                     QDate(2026, 12, 8), QStringLiteral("Novo")),
            std::optional<int>(usuario));
        QCOMPARE(diretorio.InsereGrupo(QStringLiteral("d"), QStringLiteral("Novo")),
            std::optional<int>(4));
    }

    void recusaOndeJaHaDiretorio()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        QSqlDatabase servidor = Servidor::Abre(banco.Conexao(), kServidor, nullptr);
        QVERIFY(QSqlQuery(servidor).exec(
            QStringLiteral("INSERT INTO Grupos (Nome_Grupo) VALUES ('Antigo')")));
        const QString antes = linhas(servidor, kConsultas.at(1)).join(QLatin1Char('\n'));

        const Saida copia = roda({QStringLiteral("copiar"), arquivoDaDemo(), banco.Conexao()});
        QCOMPARE(copia.codigo, 1);
        QVERIFY2(copia.erros.contains(QStringLiteral("já contém um diretório do Tellumo: nada foi "
                                                     "copiado")),
            qPrintable(copia.erros));
        const Saida cria = roda({QStringLiteral("criar"), banco.Conexao()});
        QCOMPARE(cria.codigo, 1);
        QVERIFY2(
            cria.erros.contains(QStringLiteral("já contém as tabelas")), qPrintable(cria.erros));

        QCOMPARE(linhas(servidor, kConsultas.at(1)).join(QLatin1Char('\n')), antes);
        QCOMPARE(linhas(servidor, kConsultas.at(0)), QStringList());
    }

    void copiaInterrompidaNaoDeixaNada()
    {
        BancoNoServidor banco(false);
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        // A log row longer than the column allows: the server refuses it after the users
        // and groups went in, and they must go too.
        const QString arquivo = arquivoDaDemo(
            {QStringLiteral("INSERT INTO Log VALUES ('20260303', '10:00', 'x', '%1', '1', 1)")
                    .arg(QString(300, QLatin1Char('m')))});
        const Saida s = roda({QStringLiteral("copiar"), arquivo, banco.Conexao()});
        QCOMPARE(s.codigo, 1);
        QVERIFY2(s.erros.contains(QStringLiteral("tabela Log")), qPrintable(s.erros));
        const QSqlDatabase servidor = Servidor::Abre(banco.Conexao(), kServidor, nullptr);
        QCOMPARE(linhas(servidor, QStringLiteral("SELECT to_regclass('usuarios') IS NULL")),
            QStringList{QStringLiteral("true")});
    }

    void criaSoAsTabelas()
    {
        BancoNoServidor banco(false);
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        const Saida s = roda({QStringLiteral("criar"), banco.Conexao()});
        QVERIFY2(s.codigo == 0, qPrintable(s.erros));
        const QSqlDatabase servidor = Servidor::Abre(banco.Conexao(), kServidor, nullptr);
        QVERIFY(TemEsquemaCompleto(servidor));
        for (const QString &consulta : kConsultas)
            QCOMPARE(linhas(servidor, consulta), QStringList());
    }

    void usoErradoExplica()
    {
        const Saida s = roda({QStringLiteral("copia")});
        QCOMPARE(s.codigo, 2);
        QVERIFY(s.erros.startsWith(QStringLiteral("Uso:")));
    }
};

QTEST_GUILESS_MAIN(TestTellumoBanco)
#include "tst_tellumobanco.moc"
