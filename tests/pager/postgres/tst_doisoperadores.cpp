// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "BancoNoServidor.h"
#include "ProcessoSimulador.h"
#include "core/directory/BancoDeDados.h"
#include "core/line/LinhaSerialPosix.h"
#include "core/line/RelogioReal.h"
#include "core/tap/Transmissao.h"
#include "forms/history/Historico.h"
#include "forms/history/frmHistorico.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTextStream>

namespace {

// The name and message of every row of a history window.
QStringList linhas(frmHistorico *janela)
{
    QStringList resultado;
    const QAbstractItemModel *m = janela->grdGride()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        resultado << m->index(r, 2).data().toString().trimmed() + QLatin1Char('|')
                + m->index(r, 3).data().toString();
    return resultado;
}

// One operator's Tellumo in a process of its own: its own settings folder, whose "[BANCO]"
// "Servidor" names the shared server, and its own paging service; it sends `texto` to the
// group `idGrupo` and ends with 0 when every member was paged.
int operador(const QString &pastaConfiguracao, int idGrupo, const QString &texto)
{
    ArquivoIni ini(pastaConfiguracao, QStringLiteral("Tellumo.INI"));
    QString motivo;
    if (!AbreServidor(
            ini.LePerfil(QStringLiteral("BANCO"), QStringLiteral("Servidor"), {}), &motivo)) {
        qCritical("%s", qPrintable(motivo));
        return 3;
    }
    ProcessoSimulador simulador;
    if (!simulador.inicia(
            {QStringLiteral("--tempo-discagem"), QStringLiteral("100"), QStringLiteral("--guarda"),
                QStringLiteral("500"), QStringLiteral("--cps"), QStringLiteral("960")})) {
        qCritical("%s", qPrintable(simulador.erro()));
        return 4;
    }
    ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
    ini.GravaPerfil(
        QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), QStringLiteral("3322-1100"));
    RelogioReal relogio;
    LinhaSerialPosix linha;
    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    Modulo modulo(ini, linha, relogio, caixa, status);
    modulo.DefineNumeroPorta(1);
    if (!modulo.ConfiguraModem())
        return 5;
    Diretorio diretorio;
    VisorGravado visor;
    Transmissao envio(
        modulo, diretorio, visor, PedidoEnvio{PedidoEnvio::Modo::Grupo, idGrupo, texto});
    if (!envio.IniciaProcesso() || caixa.quantidade() != 0
        || simulador.registros(QStringLiteral("pagina")).size() != 2)
        return 6;

    // Once the other operator has sent too (the test says so on the standard input), a
    // history window opened now shows his rows beside this one's.
    QTextStream(stdout) << "enviado" << Qt::endl;
    QFile entrada;
    if (!entrada.open(stdin, QIODevice::ReadOnly) || entrada.readLine().trimmed() != "abre")
        return 7;
    QMdiArea area;
    area.show();
    frmHistorico *janela = ExibeHistorico(&area, caixa);
    QStringList vistas = janela ? linhas(janela) : QStringList();
    vistas.sort();
    QTextStream(stdout) << vistas.join(QLatin1Char(';')) << Qt::endl;
    FechaBancoDeDados();
    return 0;
}

} // namespace

// Two operators, on two machines in the field, share one server: each sends to the same
// group through his own paging service at the same moment; then each one's history, and
// the server's, holds every page of both exactly once.
class TestDoisOperadores : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ambosOsHistoricosTemTodasAsPaginasUmaVez()
    {
        BancoNoServidor banco;
        QVERIFY2(banco.Criado(), qPrintable(banco.Erro()));
        QString motivo;
        QVERIFY2(AbreServidor(banco.Conexao(), &motivo), qPrintable(motivo));
        Diretorio diretorio;
        const auto ana = diretorio.InsereUsuario(
            {}, QStringLiteral("1001"), QDate(2026, 12, 8), QStringLiteral("Ana"));
        const auto bia = diretorio.InsereUsuario(
            {}, QStringLiteral("1002"), QDate(2026, 12, 8), QStringLiteral("Bia"));
        const auto equipe = diretorio.InsereGrupo({}, QStringLiteral("Equipe"));
        QVERIFY(ana && bia && equipe);
        QVERIFY(diretorio.InsereUsuarioNoGrupo(*ana, *equipe));
        QVERIFY(diretorio.InsereUsuarioNoGrupo(*bia, *equipe));

        QList<std::shared_ptr<QTemporaryDir>> pastas;
        QList<std::shared_ptr<QProcess>> processos;
        for (const QString &texto : {QStringLiteral("Do primeiro"), QStringLiteral("Do segundo")}) {
            auto pasta = std::make_shared<QTemporaryDir>();
            ArquivoIni(pasta->path(), QStringLiteral("Tellumo.INI"))
                .GravaPerfil(QStringLiteral("BANCO"), QStringLiteral("Servidor"), banco.Conexao());
            auto p = std::make_shared<QProcess>();
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("operador"), pasta->path(), QString::number(*equipe), texto});
            pastas << pasta;
            processos << p;
        }
        // Both have sent before either opens his history again.
        for (const auto &p : processos) {
            while (!p->canReadLine() && p->waitForReadyRead(60000)) { }
            QCOMPARE(p->readLine().trimmed(), QByteArray("enviado"));
        }
        const QStringList todas{QStringLiteral("Ana|Do primeiro"), QStringLiteral("Ana|Do segundo"),
            QStringLiteral("Bia|Do primeiro"), QStringLiteral("Bia|Do segundo")};
        for (const auto &p : processos) {
            p->write("abre\n");
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
            QCOMPARE(QString::fromUtf8(p->readAllStandardOutput().trimmed()),
                todas.join(QLatin1Char(';')));
        }

        QMdiArea area;
        area.show();
        CaixaMensagemGravada caixa;
        frmHistorico *janela = ExibeHistorico(&area, caixa);
        QVERIFY(janela);
        QStringList vistas = linhas(janela);
        vistas.sort();
        QCOMPARE(vistas, todas);
        FechaBancoDeDados();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "operador") == 0)
        return operador(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
            QString::fromLocal8Bit(argv[4]));
    TestDoisOperadores teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_doisoperadores.moc"
