// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAjuda.h"

#include "CaixaMensagem.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<frmAjuda> g_aberta;

} // namespace

frmAjuda::frmAjuda(const QString &arquivo, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda de Vistral"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 560);

    m_txtAjuda = new QTextBrowser(this);
    m_txtAjuda->setObjectName(QStringLiteral("txtAjuda"));
    m_txtAjuda->setOpenExternalLinks(true);
    m_txtAjuda->setSource(QUrl::fromLocalFile(arquivo));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_txtAjuda);
}

frmAjuda *frmAjuda::abre(const QString &pastaPrograma, CaixaMensagem &caixa, QWidget *parent)
{
    const QString arquivo = QDir(pastaPrograma).filePath(QStringLiteral("Vistral.html"));
    if (!QFileInfo(arquivo).isReadable()) {
        caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível encontrar o arquivo de ajuda "
                           "\"Vistral.html\" na pasta do programa."),
            CaixaMensagem::Icone::Critico);
        return nullptr;
    }
    if (!g_aberta)
        g_aberta = new frmAjuda(arquivo, parent);
    g_aberta->show();
    g_aberta->raise();
    g_aberta->activateWindow();
    return g_aberta;
}
