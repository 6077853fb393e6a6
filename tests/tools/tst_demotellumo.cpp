// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessoSimulador.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands in for Tellumo: finds the chosen port through its settings; says ATE0 to the modem,
// or CR to the gateway, and keeps the answer in its own folder.
const char *programaFalso = R"(#!/usr/bin/env bash
set -eu
ini=$(tr -d '\r' < "$XDG_CONFIG_HOME/Tellumo.INI")
porta=$(sed -n 's/^Porta Serial=//p' <<< "$ini")
dispositivo=$(grep "^COM$porta=" <<< "$ini" | cut -d= -f2-)
resposta=$(dirname "$0")/resposta.txt
case $dispositivo in
tcp:*)
  IFS=: read -r _ host numero <<< "$dispositivo"
  exec 3<>"/dev/tcp/$host/$numero"
  printf '\r' >&3
  timeout 5 head -c 3 <&3 > "$resposta" ;;
*)
  exec 3<>"$dispositivo"
  printf 'ATE0\r' >&3
  timeout 5 grep -a -m1 OK <&3 > "$resposta" ;;
esac
)";

// Stands in for Tellumo beside the service: queues a page for the group over SNPP and waits
// (at most 20 s) for the simulator to log both of its members' pages.
const char *programaQueEnvia = R"sh(#!/usr/bin/env bash
set -eu
"$TELLUMO_ENVIAR" -s "127.0.0.1:$TELLUMO_DEMO_SNPP" Plantão -m "teste" > "$(dirname "$0")/resposta.txt"
for _ in $(seq 200); do
  [ "$(grep -c '"pagina"' "$TELLUMO_DEMO/simulador.jsonl")" -ge 2 ] && exit 0
  sleep 0.1
done
exit 1
)sh";

QByteArray leArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The demo wiring of scripts/run-tellumo.sh, with a stand-in program in Tellumo's place.
class TesteDemoTellumo : public QObject
{
    Q_OBJECT

    QTemporaryDir pasta;
    QString demo;

    int roda(const QStringList &argumentos = {}, const QProcessEnvironment &extra = {})
    {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(extra);
        ambiente.insert(QStringLiteral("TELLUMO_DEMO"), demo);
        ambiente.insert(
            QStringLiteral("TELLUMO_DEMO_PROGRAMA"), pasta.filePath(QStringLiteral("falso")));
        ambiente.insert(QStringLiteral("TELLUMO_DEMO_SIMULADOR"), ProcessoSimulador::executavel());
        // A display is said to be there, so that no virtual screen is started for the stand-in.
        ambiente.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
        processo.setProcessEnvironment(ambiente);
        processo.setProcessChannelMode(QProcess::ForwardedChannels);
        processo.start(QStringLiteral("bash"),
            QStringList{QStringLiteral(RAIZ_PROJETO "/scripts/run-tellumo.sh")} + argumentos);
        if (!processo.waitForFinished(30000))
            return -1;
        return processo.exitCode();
    }

    void escreveFalso(const char *programa)
    {
        QFile falso(pasta.filePath(QStringLiteral("falso")));
        QVERIFY(falso.open(QIODevice::WriteOnly | QIODevice::Truncate));
        falso.write(programa);
        falso.close();
        falso.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString ini() const { return demo + QStringLiteral("/config/Tellumo.INI"); }
    QString banco() const { return demo + QStringLiteral("/programa/Pager.Mdb"); }

    QStringList consulta(const QString &sql)
    {
        QStringList linhas;
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("demo"));
            db.setDatabaseName(banco());
            if (db.open()) {
                QSqlQuery q(sql, db);
                while (q.next())
                    linhas << q.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("demo"));
        return linhas;
    }

private slots:
    void init()
    {
        demo = pasta.filePath(QStringLiteral("demo"));
        QDir(demo).removeRecursively();
        escreveFalso(programaFalso);
    }

    void preparaConfiguracaoEmWindows1252ComCrLf()
    {
        QCOMPARE(roda({QStringLiteral("--preparar")}), 0);
        QCOMPARE(leArquivo(ini()),
            "[MODEM]\r\nPorta Serial=1\r\nCOM1=" + QFile::encodeName(demo) + "/modem\r\n");
        QCOMPARE(leArquivo(demo + QStringLiteral("/programa/tellumo")), QByteArray(programaFalso));
    }

    void preparaDiretorioDeExemplo()
    {
        QCOMPARE(roda({QStringLiteral("--preparar")}), 0);
        QCOMPARE(consulta(QStringLiteral("Select count(*) From Usuarios")),
            QStringList{QStringLiteral("6")});
        QVERIFY(consulta(QStringLiteral("Select Nome_Usuario From Usuarios"))
                    .contains(QStringLiteral("Maria Conceição Araújo")));
        QCOMPARE(
            consulta(QStringLiteral(
                "Select u.Nome_Usuario From Usuario_Grupo ug Join Usuarios u Using (ID_Usuario) "
                "Join Grupos g Using (ID_Grupo) Where g.Nome_Grupo = 'Plantão' Order By 1")),
            (QStringList{
                QStringLiteral("Ana Luíza Gonçalves"), QStringLiteral("José Antônio Pereira")}));
        QCOMPARE(
            consulta(QStringLiteral("Select count(*) From Log")), QStringList{QStringLiteral("0")});
    }

    void novaPreparacaoGuardaOQueOUsuarioMudou()
    {
        QCOMPARE(roda({QStringLiteral("--preparar")}), 0);
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[MODEM]\r\nPorta Serial=2\r\nCOM1=/velho\r\n[DISCAGEM]\r\nLinha=Tom\r\n");
        f.close();
        QProcess::execute(QStringLiteral("sqlite3"),
            {banco(),
                QStringLiteral("Insert Into Log(Data, Hora, Usuario, Mensagem, ID_Pager, "
                               "ID_Usuario) Values('20261207', '14:05', 'x', 'y', '1', 1)")});
        QCOMPARE(roda({QStringLiteral("--preparar")}), 0);
        QCOMPARE(leArquivo(ini()),
            "[MODEM]\r\nPorta Serial=2\r\nCOM1=" + QFile::encodeName(demo)
                + "/modem\r\n[DISCAGEM]\r\nLinha=Tom\r\n");
        QCOMPARE(
            consulta(QStringLiteral("Select count(*) From Log")), QStringList{QStringLiteral("1")});
    }

    void programaFalaComOSimuladorQueParaNoFim()
    {
        QCOMPARE(roda(), 0);
        QVERIFY(leArquivo(demo + QStringLiteral("/programa/resposta.txt")).startsWith("OK"));
        QVERIFY(!QFileInfo::exists(demo + QStringLiteral("/modem")));
        QList<QJsonObject> registros;
        for (const QByteArray &linha :
            leArquivo(demo + QStringLiteral("/simulador.jsonl")).split('\n')) {
            if (!linha.isEmpty())
                registros << QJsonDocument::fromJson(linha).object();
        }
        QVERIFY(registros.size() >= 3);
        QCOMPARE(registros.at(1).value(QStringLiteral("linha")).toString(), QStringLiteral("ATE0"));
        QCOMPARE(
            registros.last().value(QStringLiteral("evento")).toString(), QStringLiteral("fim"));
        QCOMPARE(
            registros.last().value(QStringLiteral("motivo")).toString(), QStringLiteral("sinal"));
    }

    // --tcp chooses port 2, which names this run's gateway.
    void programaFalaComOGatewayComTcp()
    {
        QCOMPARE(roda({QStringLiteral("--tcp")}), 0);
        QCOMPARE(leArquivo(demo + QStringLiteral("/programa/resposta.txt")), QByteArray("ID="));
        const QByteArray configuracao = leArquivo(ini());
        QVERIFY(configuracao.contains("\r\nPorta Serial=2\r\n"));
        QVERIFY(configuracao.contains("\r\nCOM2=tcp:127.0.0.1:"));
        QVERIFY(leArquivo(demo + QStringLiteral("/simulador.jsonl")).contains("\"conexao\""));
    }

    // --servico: a page queued with the service beside the program reaches the simulator and
    // the Log table every history reads.
    void servicoEntregaAoLadoDoPrograma()
    {
        escreveFalso(programaQueEnvia);
        QProcessEnvironment ambiente;
        // Ports free now, of this run alone.
        QTcpServer snpp, http;
        QVERIFY(snpp.listen(QHostAddress::LocalHost) && http.listen(QHostAddress::LocalHost));
        ambiente.insert(QStringLiteral("TELLUMO_DEMO_SNPP"), QString::number(snpp.serverPort()));
        ambiente.insert(QStringLiteral("TELLUMO_DEMO_HTTP"), QString::number(http.serverPort()));
        snpp.close();
        http.close();
        ambiente.insert(QStringLiteral("TELLUMO_DEMO_SERVICO"), QStringLiteral(SERVICO_EXE));
        ambiente.insert(QStringLiteral("TELLUMO_ENVIAR"), QStringLiteral(ENVIAR_EXE));
        QCOMPARE(roda({QStringLiteral("--servico")}, ambiente), 0);
        QCOMPARE(leArquivo(demo + QStringLiteral("/programa/resposta.txt")).trimmed(), "1");
        // Tellumo itself sends through the service.
        QVERIFY(leArquivo(ini()).contains("[SERVICO]\r\nEndere\xe7o=127.0.0.1\r\nPorta="));
        QCOMPARE(consulta(QStringLiteral("Select Usuario From Log Order By Usuario")),
            (QStringList{
                QStringLiteral("Ana Luíza Gonçalves"), QStringLiteral("José Antônio Pereira")}));
    }
};

QTEST_GUILESS_MAIN(TesteDemoTellumo)
#include "tst_demotellumo.moc"
