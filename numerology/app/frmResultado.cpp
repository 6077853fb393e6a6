// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmResultado.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

frmResultado::frmResultado(DocumentoRelatorio documento, QWidget *pai)
    : QWidget(pai)
    , m_documento(std::move(documento))
    , m_txtResultado(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmResultado"));
    setWindowTitle(m_documento.legenda);
    setAttribute(Qt::WA_DeleteOnClose);

    m_txtResultado->setObjectName(QStringLiteral("txtResultado"));
    m_txtResultado->setReadOnly(true);
    m_txtResultado->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fonte(QStringLiteral("Times New Roman"), 12);
    fonte.setStyleHint(QFont::Serif);
    m_txtResultado->setFont(fonte);
    // The box shows lines; the CR of each CR LF would only show as a stray glyph.
    QString visivel = m_documento.texto;
    visivel.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_txtResultado->setPlainText(visivel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_txtResultado);
    resize(640, 480);
}
