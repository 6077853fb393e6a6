// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class CaixaMensagem;
class Diretorio;

// What the user dialog holds when the operator saves it.
struct FichaDeUsuario
{
    int idUsuario = 0; // 0: not stored yet (the dialog shows "-")
    QString nome;
    QString idPager;
    QString descricao;
    // The marked groups; std::nullopt when the dialog could not list the groups, so the
    // user's memberships stay as they are.
    std::optional<QList<int>> idsGrupos;
    // The groups marked when the dialog read them: a save stores only what changed since.
    QList<int> idsGruposLidos;
};

// The save of the user dialog: checks the pager code and the name, fills an empty
// description, then stores the user and his groups in one transaction (the registration
// date only on insert), refusing a pager code already in use when creating. Every refusal
// and every failing statement is told through `caixa`; then it answers false and stores
// nothing (Diretorio::Motivo() tells a user another operator removed from the others).
// On success `ficha` carries the stored description and the user's identifier.
bool GravaUsuario(Diretorio &diretorio, CaixaMensagem &caixa, FichaDeUsuario &ficha,
    const QDate &hoje = QDate::currentDate());

// The box of a failing directory statement: its Portuguese reason, title "Erro:".
void AvisaFalhaDoDiretorio(CaixaMensagem &caixa, const Diretorio &diretorio);
