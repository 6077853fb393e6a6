#include "Diretorio.h"

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

bool Diretorio::Disponivel(const QSqlDatabase &banco, Acesso acesso)
{
    erro_.clear();
    motivo_ = Recusa::Nenhuma;
    if (!banco.isValid() || !banco.isOpen()) {
        Falhou(ErroBanco::NaoAberto(acesso));
        return false;
    }
    // The engine keeps writing into a file removed after it was opened, and everything
    // written there would be lost: refuse instead.
    const QString caminho = banco.databaseName();
    if (banco.driverName() == QLatin1String("QSQLITE") && caminho != QLatin1String(":memory:")
        && !QFileInfo::exists(caminho)) {
        Falhou(ErroBanco::ArquivoAusente(caminho, acesso));
        return false;
    }
    return true;
}

std::optional<QSqlQuery> Diretorio::Executa(
    const QString &sql, const QVariantList &valores, Acesso acesso)
{
    const QSqlDatabase banco = Banco();
    if (!Disponivel(banco, acesso))
        return std::nullopt;
    QSqlQuery consulta(banco);
    consulta.setForwardOnly(true);
    bool ok = consulta.prepare(sql);
    if (ok) {
        for (const QVariant &valor : valores) {
            // A null text would be bound as SQL NULL; the columns hold empty texts instead.
            if (valor.typeId() == QMetaType::QString && valor.toString().isNull())
                consulta.addBindValue(QStringLiteral(""));
            else
                consulta.addBindValue(valor);
        }
        ok = consulta.exec();
    }
    if (!ok) {
        Falhou(ErroBanco::Texto(consulta.lastError(), banco.driverName(), acesso));
        return std::nullopt;
    }
    return consulta;
}

std::optional<Instantaneo> Diretorio::Le(const QString &sql, const QVariantList &valores)
{
    auto consulta = Executa(sql, valores, Acesso::Leitura);
    if (!consulta)
        return std::nullopt;
    Instantaneo instantaneo;
    if (!instantaneo.Copia(*consulta)) {
        Falhou(ErroBanco::Texto(consulta->lastError(), Banco().driverName(), Acesso::Leitura));
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
    auto consulta = Executa(sql, valores, Acesso::Leitura);
    if (!consulta)
        return std::nullopt;
    const bool existe = consulta->next();
    if (!existe && consulta->lastError().isValid()) {
        Falhou(ErroBanco::Texto(consulta->lastError(), Banco().driverName(), Acesso::Leitura));
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

bool Diretorio::EmTransacao(const std::function<bool()> &passos)
{
    const QSqlDatabase banco = Banco();
    if (!Disponivel(banco, Acesso::Gravacao))
        return false;
    Transacao transacao(banco);
    if (!transacao.Iniciada()) {
        Falhou(ErroBanco::Texto(transacao.Erro(), banco.driverName(), Acesso::Gravacao));
        return false;
    }
    // A failing step has already worded its error; the guard undoes the earlier steps.
    if (!passos())
        return false;
    if (!transacao.Confirma()) {
        Falhou(ErroBanco::Texto(transacao.Erro(), banco.driverName(), Acesso::Gravacao));
        return false;
    }
    return true;
}
