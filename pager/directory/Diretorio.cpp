#include "Diretorio.h"

#include "Transacao.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

Diretorio::Diretorio(QSqlDatabase banco)
    : banco_(std::move(banco))
{ }

bool Diretorio::Disponivel(Acesso acesso)
{
    erro_.clear();
    if (!banco_.isValid() || !banco_.isOpen()) {
        Falhou(ErroBanco::NaoAberto(acesso));
        return false;
    }
    // The engine keeps writing into a file removed after it was opened, and everything
    // written there would be lost: refuse instead.
    const QString caminho = banco_.databaseName();
    if (banco_.driverName() == QLatin1String("QSQLITE") && caminho != QLatin1String(":memory:")
        && !QFileInfo::exists(caminho)) {
        Falhou(ErroBanco::ArquivoAusente(caminho, acesso));
        return false;
    }
    return true;
}

bool Diretorio::Executa(
    QSqlQuery &consulta, const QString &sql, const QVariantList &valores, Acesso acesso)
{
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
    if (!ok)
        Falhou(ErroBanco::Texto(consulta.lastError(), banco_.driverName(), acesso));
    return ok;
}

std::optional<Instantaneo> Diretorio::Le(const QString &sql, const QVariantList &valores)
{
    if (!Disponivel(Acesso::Leitura))
        return std::nullopt;
    QSqlQuery consulta(banco_);
    if (!Executa(consulta, sql, valores, Acesso::Leitura))
        return std::nullopt;
    Instantaneo instantaneo;
    if (!instantaneo.Copia(consulta)) {
        Falhou(ErroBanco::Texto(consulta.lastError(), banco_.driverName(), Acesso::Leitura));
        return std::nullopt;
    }
    return instantaneo;
}

bool Diretorio::Altera(const QString &sql, const QVariantList &valores)
{
    if (!Disponivel(Acesso::Gravacao))
        return false;
    QSqlQuery consulta(banco_);
    return Executa(consulta, sql, valores, Acesso::Gravacao);
}

std::optional<int> Diretorio::InsereComId(const QString &sql, const QVariantList &valores)
{
    if (!Disponivel(Acesso::Gravacao))
        return std::nullopt;
    QSqlQuery consulta(banco_);
    if (!Executa(consulta, sql, valores, Acesso::Gravacao))
        return std::nullopt;
    // The identifier of the row just inserted, as the engine assigned it: looking it up by
    // name would find an older row of the same name.
    bool ok = false;
    const int id = consulta.lastInsertId().toInt(&ok);
    if (!ok) {
        Falhou(QStringLiteral("Não foi possível gravar os dados: o banco de dados não informou o "
                              "código do novo registro."));
        return std::nullopt;
    }
    return id;
}

bool Diretorio::EmTransacao(const std::function<bool()> &passos)
{
    if (!Disponivel(Acesso::Gravacao))
        return false;
    Transacao transacao(banco_);
    if (!transacao.Iniciada()) {
        Falhou(ErroBanco::Texto(transacao.Erro(), banco_.driverName(), Acesso::Gravacao));
        return false;
    }
    // A failing step has already worded its error; the guard undoes the earlier steps.
    if (!passos())
        return false;
    if (!transacao.Confirma()) {
        Falhou(ErroBanco::Texto(transacao.Erro(), banco_.driverName(), Acesso::Gravacao));
        return false;
    }
    return true;
}
