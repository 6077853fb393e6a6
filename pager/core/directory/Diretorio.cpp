// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diretorio.h"

#include "MotorDoBanco.h"
#include "Transacao.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

Diretorio::Diretorio(const QString &conexao)
    : conexao_(conexao)
{ }

QSqlDatabase Diretorio::Banco() const
{
    return conexao_.isEmpty() ? BancoDeDados() : QSqlDatabase::database(conexao_, false);
}

bool Diretorio::Disponivel(QSqlDatabase &banco, Acesso acesso)
{
    erro_.clear();
    motivo_ = Recusa::Nenhuma;
    perdida_ = false;
    if (!banco.isValid()) {
        Falhou(ErroBanco::NaoAberto(acesso));
        return false;
    }
    // A server connection lost earlier, whose reopening failed then: try once more.
    if (!banco.isOpen()) {
        if (motor::De(banco) == motor::Tipo::Servidor && motor::Reabre(banco))
            return true;
        Falhou(motor::De(banco) == motor::Tipo::Servidor ? ErroBanco::LigacaoPerdida(acesso)
                                                         : ErroBanco::NaoAberto(acesso));
        return false;
    }
    // The engine keeps writing into a file removed after it was opened, and everything
    // written there would be lost: refuse instead.
    const QString caminho = banco.databaseName();
    if (motor::De(banco) == motor::Tipo::Arquivo && caminho != QLatin1String(":memory:")
        && !QFileInfo::exists(caminho)) {
        Falhou(ErroBanco::ArquivoAusente(caminho, acesso));
        return false;
    }
    return true;
}

void Diretorio::FalhouCom(QSqlDatabase &banco, const QSqlError &erro, Acesso acesso)
{
    if (!motor::LigacaoPerdida(banco, erro)) {
        Falhou(ErroBanco::Texto(erro, banco.driverName(), acesso));
        return;
    }
    Falhou(ErroBanco::LigacaoPerdida(acesso));
    perdida_ = true;
    // Inside a change the guard first rolls back what the server has forgotten anyway;
    // EmTransacao reopens after it.
    if (!emTransacao_)
        motor::Reabre(banco);
}

std::optional<QSqlQuery> Diretorio::Executa(
    const QString &sql, const QVariantList &valores, Acesso acesso, bool repete)
{
    QSqlDatabase banco = Banco();
    if (!Disponivel(banco, acesso))
        return std::nullopt;
    QSqlQuery consulta(banco);
    consulta.setForwardOnly(true);
    bool ok = consulta.prepare(sql);
    if (ok) {
        LigaValores(consulta, valores);
        ok = consulta.exec();
    }
    if (!ok) {
        FalhouCom(banco, consulta.lastError(), acesso);
        // Once, on the connection just reopened: a statement the server never ran.
        if (repete && perdida_ && !emTransacao_ && banco.isOpen())
            return Executa(sql, valores, acesso, false);
        return std::nullopt;
    }
    return consulta;
}

std::optional<Instantaneo> Diretorio::Le(const QString &sql, const QVariantList &valores)
{
    auto consulta = Executa(sql, valores, Acesso::Leitura, true);
    if (!consulta)
        return std::nullopt;
    Instantaneo instantaneo;
    if (!instantaneo.Copia(*consulta)) {
        QSqlDatabase banco = Banco();
        FalhouCom(banco, consulta->lastError(), Acesso::Leitura);
        return std::nullopt;
    }
    return instantaneo;
}

bool Diretorio::Altera(const QString &sql, const QVariantList &valores)
{
    return Executa(sql, valores, Acesso::Gravacao).has_value();
}

std::optional<int> Diretorio::AlteraLinhas(const QString &sql, const QVariantList &valores)
{
    const auto consulta = Executa(sql, valores, Acesso::Gravacao);
    if (!consulta)
        return std::nullopt;
    return consulta->numRowsAffected();
}

std::optional<bool> Diretorio::Existe(const QString &sql, const QVariantList &valores)
{
    auto consulta = Executa(sql, valores, Acesso::Leitura, true);
    if (!consulta)
        return std::nullopt;
    const bool existe = consulta->next();
    if (!existe && consulta->lastError().isValid()) {
        QSqlDatabase banco = Banco();
        FalhouCom(banco, consulta->lastError(), Acesso::Leitura);
        return std::nullopt;
    }
    return existe;
}

std::optional<int> Diretorio::InsereComId(const QString &sql, const QVariantList &valores)
{
    auto consulta = Executa(sql, valores, Acesso::Gravacao);
    if (!consulta)
        return std::nullopt;
    // The identifier of the row just inserted, as the engine assigned it (the statement's
    // RETURNING, understood by both engines): looking it up by name would find an older
    // row of the same name, and a server has no "last row" of a connection to ask for.
    bool ok = consulta->next();
    const int id = ok ? consulta->value(0).toInt(&ok) : 0;
    // Walking to the end completes the statement, and so commits it outside a transaction.
    while (consulta->next()) { }
    consulta->finish();
    if (!ok) {
        Falhou(QStringLiteral("Não foi possível gravar os dados: o banco de dados não informou o "
                              "código do novo registro."));
        return std::nullopt;
    }
    return id;
}

bool Diretorio::EmTransacao(const std::function<bool()> &passos, bool reabre, motor::Tranca tranca)
{
    QSqlDatabase banco = Banco();
    if (!Disponivel(banco, Acesso::Gravacao))
        return false;
    bool ok = false;
    {
        Transacao transacao(banco, tranca);
        // Nothing was sent yet: a connection lost before the change began is reopened and
        // the change begins there.
        if (reabre && !transacao.Iniciada() && motor::LigacaoPerdida(banco, transacao.Erro())
            && motor::Reabre(banco))
            return EmTransacao(passos, false, tranca);
        if (!transacao.Iniciada()) {
            FalhouCom(banco, transacao.Erro(), Acesso::Gravacao);
            return false;
        }
        emTransacao_ = true;
        // A failing step has already worded its error; the guard undoes the earlier steps.
        ok = passos();
        emTransacao_ = false;
        if (ok && !transacao.Confirma()) {
            FalhouCom(banco, transacao.Erro(), Acesso::Gravacao);
            ok = false;
        }
    }
    // The change is told as failed (the operator may repeat it); the next action finds the
    // connection open again.
    if (perdida_)
        motor::Reabre(banco);
    return ok;
}
