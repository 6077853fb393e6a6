// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PastasVistral.h"
#include "engine/DocumentoRelatorio.h"

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>

class CaixaMensagem;
class QLabel;
class QMdiArea;
class QToolButton;
class frmResultado;

// Vistral's main window: tool bar, menus, status bar and the area where every analysis opens
// a new result window. It only wires: the calculations and the reports live in the engine,
// the settings rules in Configuracao; the window asks for the name and date, runs the chosen
// analysis under the busy pointer with its status texts, and shows the document it returns.
class frmPrincipal : public QMainWindow
{
    Q_OBJECT
public:
    using Relogio = std::function<QDate()>;

    // `caixa` null: real message boxes over this window. `hoje` empty: the system clock.
    frmPrincipal(PastasVistral pastas, CaixaMensagem *caixa = nullptr, Relogio hoje = {},
        QWidget *pai = nullptr);
    ~frmPrincipal() override;

    // Start-up steps: settings files, showing the window, the first-run question, the tip.
    void MDIForm_Load();

    // Shared values of the program (module Variaveis_Globais of the analyses).
    QString NomeAnalisado; // empty after a cancelled input dialog
    QString DataNascimento; // "dd/mm/yyyy"
    QString CaminhoWord;
    bool UsarInternet = false;
    int CaminhoDaVida = 0;

    const PastasVistral &pastas() const { return m_pastas; }
    QDate hoje() const { return m_hoje(); }
    CaixaMensagem &caixa() const { return *m_caixa; }

    // The active result window and its document; null when no result window is active.
    frmResultado *resultadoAtivo() const;
    const DocumentoRelatorio *documentoAtivo() const;
    QList<frmResultado *> resultados() const;

    // Runs one analysis for NomeAnalisado and DataNascimento: status texts, busy pointer,
    // CaminhoDaVida when the analysis sets it, and a new result window in front.
    void executaAnalise(const GeradorRelatorio &gerador);
    frmResultado *exibeResultado(const DocumentoRelatorio &documento);
    void defineStatus(const QString &texto);

public slots:
    void cmdRelatorio_Click();
    void cmdNumerologiaParcial_Click();
    void cmdApenasSemanal_Click();
    void cmdExportarWord_Click();
    void cmdImprimir_Click();
    void cmdAjuda_Click();
    void cmdSair_Click();
    void mnuSair_Click();
    void mnuOpcoes_Click();
    void mnuAjudaPrograma_Click();
    void imgNovidades_Click();

    // The three analyses, run after a confirmed input dialog.
    void CriaRelatorio();
    void CriaRelatorioParcial();
    void CriaRelatorioSemanal();

    void ChecaAcessoInternet();
    // Tip of the day at start (when "dicas.inc" holds "S").
    void ExibeDicaDoDia();

private:
    // Input dialog; true when it was confirmed (NomeAnalisado and DataNascimento are set).
    bool PedeDados();
    void criaBarraDeFerramentas();
    void criaMenus();
    void criaBarraDeStatus();

    PastasVistral m_pastas;
    std::unique_ptr<CaixaMensagem> m_caixaPropria;
    CaixaMensagem *m_caixa;
    Relogio m_hoje;
    QMdiArea *m_mdi;
    QLabel *m_pnlInfo = nullptr;
};
