// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BancoTemporario.h"
#include "CaixaMensagemGravada.h"
#include "PainelStatusGravado.h"
#include "forms/widgets/AmbienteJanela.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QDialog;
class QListWidget;

// A fresh "Pager.Mdb" with what the directory's windows borrow from the main window:
// a recording message box, the status texts, the beeps, and an operator who works a
// modal dialog (the dialog is shown, `operador` acts on it, and a dialog still open
// afterwards is put away).
class CenarioDeJanelas
{
public:
    CenarioDeJanelas();

    bool Aberto() const { return banco_.Aberto(); }
    QString Erro() const { return banco_.Erro(); }
    QString Caminho() const { return banco_.Caminho(); }
    bool PerdeOBanco() { return banco_.PerdeOBanco(); }
    QSqlDatabase AbreOutraConexao(const QString &conexao) const
    {
        return banco_.AbreOutraConexao(conexao);
    }

    AmbienteJanela Ambiente();

    CaixaMensagemGravada caixa;
    PainelStatusGravado status;
    int bipes = 0;
    std::function<void(QDialog &)> operador;
    QStringList dialogosAbertos; // objectName of each dialog run, in order

    // Rows put straight into the directory.
    int Usuario(const QString &nome);
    int Grupo(const QString &nome, const QString &descricao = QStringLiteral("descrição"));
    void Membro(int idUsuario, int idGrupo);
    void Log(const QDateTime &momento, const QString &usuario, const QString &mensagem,
        const QString &pager, int idUsuario);
    // One whole number from a query on the program's connection (-1 when it failed).
    static int Conta(const QString &sql);

private:
    BancoTemporario banco_;
    int pagers_ = 0;
};

// The texts of a list, in order.
QStringList Itens(const QComboBox *lista);
QStringList Itens(const QListWidget *lista);

// The child of `janela` named `nome`, of type T (nullptr when there is none).
template <typename T> T *Filho(QWidget &janela, const char *nome)
{
    return janela.findChild<T *>(QString::fromLatin1(nome));
}
