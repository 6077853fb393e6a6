// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaixaMensagem.h"

#include <QPointer>
#include <QWidget>

// The message box as the user sees it: a modal QMessageBox over `pai`.
class CaixaMensagemQt : public CaixaMensagem
{
public:
    explicit CaixaMensagemQt(QWidget *pai = nullptr) : m_pai(pai) {}

    Resposta mostra(const QString &titulo, const QString &texto, Icone icone,
                    Botoes botoes = Botoes::Ok) override;

private:
    QPointer<QWidget> m_pai;
};
