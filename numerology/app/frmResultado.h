// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DocumentoRelatorio.h"

#include <QWidget>

class QPlainTextEdit;

// A result window: one analysis shown read-only in Times New Roman, the text box always
// filling the window. It keeps the document it shows, so printing and export read the report
// (with its CR LF line breaks) from documento(). It never changes the report.
class frmResultado : public QWidget
{
    Q_OBJECT
public:
    explicit frmResultado(DocumentoRelatorio documento, QWidget *pai = nullptr);

    const DocumentoRelatorio &documento() const { return m_documento; }
    QPlainTextEdit *txtResultado() const { return m_txtResultado; }

private:
    DocumentoRelatorio m_documento;
    QPlainTextEdit *m_txtResultado;
};
