// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JanelasDoPrincipal.h"
#include "core/modem/PainelStatus.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class ArquivoIni;
class CaixaMensagem;
class LinhaSerial;
class Modulo;
class QDialog;
class QFrame;
class QLabel;
class QMdiArea;
class Relogio;
class frmInicializa;

// Tellumo's main window: menus, the four tool buttons, the status line, the start-up
// sequence (Form_Load) and the "Configurar Modem" loop. It owns the Modulo and lends it,
// with the settings file, the message box and the status line, to the windows it opens
// (JanelasDoPrincipal). It holds no other logic.
class frmPrincipal : public QMainWindow, public PainelStatus
{
    Q_OBJECT
public:
    // What the window works with. Null pointers are replaced by the program's own: the
    // port line (termios device or TAP gateway), the real clock and the Qt message box.
    struct Dependencias
    {
        QString pastaPrograma; // holds Pager.Mdb
        QString pastaConfiguracao; // holds Tellumo.INI
        LinhaSerial *modem = nullptr;
        Relogio *relogio = nullptr;
        CaixaMensagem *caixa = nullptr;
        JanelasDoPrincipal janelas;
        // How a modal dialog of the shell is run (default: exec()); tests operate it instead.
        std::function<void(QDialog &)> executaDialogo;
    };

    explicit frmPrincipal(Dependencias dependencias, QWidget *pai = nullptr);
    ~frmPrincipal() override;

    // The start-up: splash, caption, database, port loop, modem, " Pronto", AutoEnviar.
    // False when the program must end (the database failed, the user gave up the port, or
    // closed the window or chose "Sair" while the modem was being initialised).
    bool Form_Load();

    void mostraStatus(const QString &texto) override;
    QString status() const;

    Modulo &modulo() { return *m_modulo; }
    ArquivoIni &ini() { return *m_ini; }
    CaixaMensagem &caixa() { return *m_caixa; }
    LinhaSerial &Modem() { return *m_modem; }
    // Where child windows (the history and queue windows) open.
    QMdiArea *areaMdi() const { return m_areaMdi; }
    // Runs a modal dialog the way this window runs its own (so tests can operate it).
    void executaDialogo(QDialog &dialogo);
    // True once the program was told to end (Sair, the window closed, or No to the port
    // question).
    bool encerrado() const { return m_encerrado; }

Q_SIGNALS:
    // Every status text, as it is shown.
    void statusAlterado(const QString &texto);

public Q_SLOTS:
    void mnuConfigurarModem_Click();
    void mnuOpcoesAvancadas_Click();
    void mnuSair_Click();
    void mnuGruposCadastro_Click();
    void mnuGruposExibirUsuarioGrupo_Click();
    void mnuUsuariosCadastraNovo_Click();
    void mnuUsuariosVisualizaCadastro_Click();
    void mnuDigitaEnviaMsg_Click();
    void mnuMensagemExibirHistorico_Click();
    void mnuMensagemFilaDeEnvio_Click();
    void mnuExibirAjuda_Click();
    void mnuAjudaSobre_Click();
    // The status line's width: the footer's less 90 twips, set on each resize of the footer.
    void pnlFooterBar_Resize();

protected:
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void criaMenus();
    void criaBarraFerramentas();
    void criaRodape();
    void abreConfigModem();
    // The port loop of the start-up and of "Configurar Modem"; false when the user gives up.
    bool lacoDaPorta();
    void inicializaModem();
    void fechaSplash();
    void encerraPrograma();
    void abre(const std::function<void(frmPrincipal &)> &janela);

    std::unique_ptr<ArquivoIni> m_ini;
    std::unique_ptr<LinhaSerial> m_modemProprio;
    std::unique_ptr<Relogio> m_relogioProprio;
    std::unique_ptr<CaixaMensagem> m_caixaPropria;
    LinhaSerial *m_modem = nullptr;
    CaixaMensagem *m_caixa = nullptr;
    std::unique_ptr<Modulo> m_modulo;
    QString m_pastaPrograma;
    JanelasDoPrincipal m_janelas;
    std::function<void(QDialog &)> m_executaDialogo;
    std::unique_ptr<frmInicializa> m_splash;
    QFrame *m_rodape = nullptr;
    QLabel *m_status = nullptr;
    QMdiArea *m_areaMdi = nullptr;
    bool m_encerrado = false;
    bool m_iniciando = false; // inside Form_Load
};
