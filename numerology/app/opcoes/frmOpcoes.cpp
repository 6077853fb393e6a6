// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmOpcoes.h"

#include "CaixaMensagem.h"
#include "Cp1252.h"
#include "app/Configuracao.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString simOuNao(const QCheckBox *caixa)
{
    return caixa->isChecked() ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

frmOpcoes::frmOpcoes(
    const QString &pastaPrograma, const QString &caminhoWord, CaixaMensagem &caixa, QWidget *parent)
    : QDialog(parent)
    , m_pasta(pastaPrograma)
    , m_caixa(caixa)
{
    setObjectName(QStringLiteral("frmOpcoes"));
    setWindowTitle(QStringLiteral("Defina Opções..."));
    setModal(true);

    m_chkDicas = new QCheckBox(QStringLiteral("&Exibir Dica do Dia ao Iniciar Vistral"), this);
    m_chkDicas->setObjectName(QStringLiteral("chkDicas"));
    m_chkInternet = new QCheckBox(QStringLiteral("&Utilizar Recursos de Acesso à Internet"), this);
    m_chkInternet->setObjectName(QStringLiteral("chkInternet"));
    auto *lblMicroWord = new QLabel(QStringLiteral("Caminho para Executar Microsoft® Word:"), this);
    lblMicroWord->setObjectName(QStringLiteral("lblMicroWord"));
    m_txtDiretorioWord = new QLineEdit(this);
    m_txtDiretorioWord->setObjectName(QStringLiteral("txtDiretorioWord"));
    m_txtDiretorioWord->setReadOnly(true);
    m_txtDiretorioWord->setMinimumWidth(320);
    auto *cmdAlterarMicroWord = new QPushButton(QStringLiteral("Clique Aqui para &Alterar"), this);
    cmdAlterarMicroWord->setObjectName(QStringLiteral("cmdAlterarMicroWord"));
    auto *cmdRetornar = new QPushButton(QStringLiteral("O&k"), this);
    cmdRetornar->setObjectName(QStringLiteral("cmdRetornar"));
    cmdRetornar->setDefault(true);

    // Qt's own dialog, so that it looks and behaves the same everywhere.
    m_cmmDialogo = new QFileDialog(this, QStringLiteral("Selecione o Arquivo que Executa o Word"));
    m_cmmDialogo->setObjectName(QStringLiteral("cmmDialogo"));
    m_cmmDialogo->setOption(QFileDialog::DontUseNativeDialog);
    m_cmmDialogo->setFileMode(QFileDialog::ExistingFile);
    m_cmmDialogo->setAcceptMode(QFileDialog::AcceptOpen);
    // The filter matches regardless of case, so "*.exe" also finds "WINWORD.EXE". Programs
    // here seldom end in ".exe": the second filter lets the user reach them.
    m_cmmDialogo->setNameFilters(
        {QStringLiteral("Arquivos Executáveis (*.exe)"), QStringLiteral("Todos os Arquivos (*)")});

    auto *grade = new QGridLayout(this);
    grade->addWidget(m_chkDicas, 0, 0, 1, 2);
    grade->addWidget(m_chkInternet, 1, 0, 1, 2);
    grade->addWidget(lblMicroWord, 2, 0, 1, 2);
    grade->addWidget(m_txtDiretorioWord, 3, 0);
    grade->addWidget(cmdAlterarMicroWord, 3, 1);
    grade->addWidget(cmdRetornar, 4, 1);

    connect(
        cmdAlterarMicroWord, &QPushButton::clicked, this, &frmOpcoes::cmdAlterarMicroWord_Click);
    connect(cmdRetornar, &QPushButton::clicked, this, &frmOpcoes::cmdRetornar_Click);

    const QString sim = QStringLiteral("S");
    m_chkInternet->setChecked(Configuracao::LeLinha(m_pasta, Configuracao::ArquivoInternet) == sim);
    m_chkDicas->setChecked(Configuracao::LeLinha(m_pasta, Configuracao::ArquivoDicas) == sim);
    m_txtDiretorioWord->setText(caminhoWord);
}

QString frmOpcoes::caminhoWord() const
{
    return m_txtDiretorioWord->text();
}

bool frmOpcoes::usarInternet() const
{
    return m_chkInternet->isChecked();
}

void frmOpcoes::cmdAlterarMicroWord_Click()
{
    const QFileInfo atual(m_txtDiretorioWord->text());
    if (atual.dir().exists())
        m_cmmDialogo->setDirectory(atual.dir());
    if (m_cmmDialogo->exec() != QDialog::Accepted || m_cmmDialogo->selectedFiles().isEmpty())
        return;
    const QString escolhido = m_cmmDialogo->selectedFiles().constFirst();
    // "Vistral.Dat" is Windows-1252: a path it cannot hold would be saved broken.
    if (!cp1252::representavel(escolhido)) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("O caminho escolhido contém caracteres que Vistral não "
                           "consegue gravar. Escolha outro arquivo."),
            CaixaMensagem::Icone::Critico);
        return;
    }
    m_txtDiretorioWord->setText(escolhido);
}

void frmOpcoes::cmdRetornar_Click()
{
    QString falhou;
    if (!Configuracao::GravaLinhas(m_pasta,
            {{Configuracao::ArquivoWord, m_txtDiretorioWord->text()},
                {Configuracao::ArquivoDicas, simOuNao(m_chkDicas)},
                {Configuracao::ArquivoInternet, simOuNao(m_chkInternet)}},
            &falhou)) {
        // No file was replaced and the dialog stays open with the user's choices.
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível gravar as opções no arquivo \"%1\" "
                           "da pasta do programa.")
                .arg(falhou),
            CaixaMensagem::Icone::Critico);
        return;
    }
    accept();
}
