// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

// The about box: the product line, the maker's logo, the credits and where to get
// support, and "Ok". It reads nothing and stores nothing.
class frmSobre : public QDialog
{
    Q_OBJECT
public:
    explicit frmSobre(QWidget *pai = nullptr);

    // The four paragraphs of pnlMsg: credits, the author's position, who supports the
    // program, and the telephone numbers and e-mail address.
    static QStringList Paragrafos();

public Q_SLOTS:
    void cmdOkay_Click();

private:
    void Form_Load();
};
