// SPDX-License-Identifier: GPL-3.0-or-later
#include "CenarioDeJanelas.h"

#include "core/directory/BancoDeDados.h"
#include "core/directory/Diretorio.h"

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QSqlQuery>

CenarioDeJanelas::CenarioDeJanelas() = default;

AmbienteJanela CenarioDeJanelas::Ambiente()
{
    return {caixa, [this](const QString &texto) { status.mostraStatus(texto); },
        [this](QDialog &dialogo) {
            dialogosAbertos.append(dialogo.objectName());
            dialogo.show();
            if (operador)
                operador(dialogo);
            // Whatever the operator left open is put away without its own questions.
            if (dialogo.isVisible())
                dialogo.done(QDialog::Rejected);
        },
        [this] { ++bipes; }};
}

int CenarioDeJanelas::Usuario(const QString &nome)
{
    ++pagers_;
    return Diretorio()
        .InsereUsuario(
            QStringLiteral("d"), QString::number(1000 + pagers_), QDate(1998, 12, 6), nome)
        .value_or(-1);
}

int CenarioDeJanelas::Grupo(const QString &nome, const QString &descricao)
{
    return Diretorio().InsereGrupo(descricao, nome).value_or(-1);
}

void CenarioDeJanelas::Membro(int idUsuario, int idGrupo)
{
    Diretorio().InsereUsuarioNoGrupo(idUsuario, idGrupo);
}

void CenarioDeJanelas::Log(const QDateTime &momento, const QString &usuario,
    const QString &mensagem, const QString &pager, int idUsuario)
{
    Diretorio().GravaLog(momento, usuario, mensagem, pager, idUsuario);
}

int CenarioDeJanelas::Conta(const QString &sql)
{
    QSqlQuery q(BancoDeDados());
    if (!q.exec(sql) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QStringList Itens(const QComboBox *lista)
{
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

QStringList Itens(const QListWidget *lista)
{
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->item(i)->text();
    return textos;
}
