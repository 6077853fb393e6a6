// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"
#include "CenarioDeJanelas.h"
#include "ProcessoSimulador.h"
#include "core/line/LinhaSerialPosix.h"
#include "core/line/RelogioReal.h"
#include "core/tap/Transmissao.h"
#include "forms/history/Historico.h"
#include "forms/history/frmHistorico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

// A message sent to a group through the paging-service simulator, on a pseudo-terminal and
// the real clock, as the history windows then show it.
class TestHistoricoDeEnvio : public QObject
{
    Q_OBJECT

    // The message and name columns of every row of a history window.
    static QStringList Linhas(frmHistorico *janela)
    {
        QStringList linhas;
        const QAbstractItemModel *m = janela->grdGride()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            linhas << m->index(r, 2).data().toString() + QLatin1Char('|')
                    + m->index(r, 3).data().toString() + QLatin1Char('|')
                    + m->index(r, 4).data().toString();
        }
        return linhas;
    }

private slots:
    void grupoEnviadoApareceEmTodasEEmCadaMembro()
    {
        CenarioDeJanelas c;
        QVERIFY2(c.Aberto(), qPrintable(c.Erro()));
        ProcessoSimulador simulador;
        QVERIFY2(simulador.inicia({QStringLiteral("--tempo-discagem"), QStringLiteral("100"),
                     QStringLiteral("--guarda"), QStringLiteral("500"), QStringLiteral("--cps"),
                     QStringLiteral("960")}),
            qPrintable(simulador.erro()));
        QTemporaryDir configuracao;
        ArquivoIni ini(configuracao.path(), QStringLiteral("Tellumo.INI"));
        ini.GravaPerfil(QStringLiteral("MODEM"), QStringLiteral("COM1"), simulador.pty());
        ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), QStringLiteral("3322-1100"));
        RelogioReal relogio;
        LinhaSerialPosix linha;
        PainelStatusGravado status;
        Modulo modulo(ini, linha, relogio, c.caixa, status);
        modulo.DefineNumeroPorta(1);
        QVERIFY2(modulo.ConfiguraModem(), qPrintable(linha.erro()));

        const int ana = c.Usuario(QStringLiteral("Ana"));
        const int bia = c.Usuario(QStringLiteral("Bia"));
        const int caio = c.Usuario(QStringLiteral("Caio"));
        const int equipe = c.Grupo(QStringLiteral("Equipe"));
        c.Membro(ana, equipe);
        c.Membro(caio, equipe);
        Diretorio diretorio;
        VisorGravado visor;
        const QString texto = QStringLiteral("Reunião às 15h");
        Transmissao envio(
            modulo, diretorio, visor, PedidoEnvio{PedidoEnvio::Modo::Grupo, equipe, texto});
        QVERIFY(envio.IniciaProcesso());
        QCOMPARE(simulador.registros(QStringLiteral("pagina")).size(), 2);

        QMdiArea area;
        area.resize(900, 500);
        area.show();
        frmHistorico *todas = ExibeHistorico(&area, c.caixa);
        QVERIFY(todas);
        const QStringList esperadas{QStringLiteral("Ana|") + texto + QStringLiteral("|1001"),
            QStringLiteral("Caio|") + texto + QStringLiteral("|1003")};
        QCOMPARE(Linhas(todas), esperadas);
        QCOMPARE(Linhas(ExibeHistorico(&area, c.caixa, ana)), esperadas.mid(0, 1));
        QCOMPARE(Linhas(ExibeHistorico(&area, c.caixa, caio)), esperadas.mid(1, 1));
        QCOMPARE(ExibeHistorico(&area, c.caixa, bia), nullptr);
        QCOMPARE(area.subWindowList().size(), 3);
        QCOMPARE(c.caixa.quantidade(), 0);
    }
};

QTEST_MAIN(TestHistoricoDeEnvio)
#include "tst_historicodeenvio.moc"
