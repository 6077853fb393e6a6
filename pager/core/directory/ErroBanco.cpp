// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErroBanco.h"

#include <QFileInfo>

namespace ErroBanco {

namespace {

QString Inicio(Acesso acesso)
{
    return acesso == Acesso::Gravacao ? QStringLiteral("Não foi possível gravar os dados: ")
                                      : QStringLiteral("Não foi possível ler os dados: ");
}

// Primary result codes of the embedded engine (the low byte of an extended code).
QString MotivoSqlite(int codigo)
{
    switch (codigo & 0xff) {
    case 5: // busy
    case 6: // locked
        return QStringLiteral("o arquivo de dados está em uso por outro programa. "
                              "Tente novamente em alguns instantes.");
    case 8: return QStringLiteral("o arquivo de dados está protegido contra gravação.");
    case 13: return QStringLiteral("o disco está cheio.");
    case 10: // I/O error
    case 14: // cannot open
        return QStringLiteral("o arquivo de dados não pôde ser acessado.");
    case 11: // corrupt
    case 26: // not a database
        return QStringLiteral("o arquivo de dados está danificado.");
    default: return {};
    }
}

// SQLSTATE codes of a PostgreSQL server.
QString MotivoServidor(const QString &codigo, const QString &texto)
{
    if (codigo.startsWith(QLatin1String("08")) || codigo.startsWith(QLatin1String("57P"))
        || texto.contains(QLatin1String("server closed the connection"))
        || texto.contains(QLatin1String("no connection to the server")))
        return QStringLiteral("a ligação com o servidor de banco de dados foi perdida.");
    if (codigo == QLatin1String("55P03") || codigo == QLatin1String("40001")
        || codigo == QLatin1String("40P01"))
        return QStringLiteral("os dados estão em uso por outro operador. "
                              "Tente novamente em alguns instantes.");
    if (codigo == QLatin1String("53100"))
        return QStringLiteral("o disco do servidor está cheio.");
    return {};
}

} // namespace

QString Texto(const QSqlError &erro, const QString &driver, Acesso acesso)
{
    bool numerico = false;
    const int codigo = erro.nativeErrorCode().toInt(&numerico);
    QString motivo;
    if (driver == QLatin1String("QSQLITE") && numerico)
        motivo = MotivoSqlite(codigo);
    if (driver == QLatin1String("QPSQL"))
        motivo = MotivoServidor(erro.nativeErrorCode(), erro.databaseText());
    if (motivo.isEmpty() && erro.type() == QSqlError::ConnectionError)
        motivo = QStringLiteral("a ligação com o banco de dados foi perdida.");
    if (motivo.isEmpty()) {
        const QString detalhe = erro.databaseText().trimmed();
        motivo = detalhe.isEmpty() ? QStringLiteral("erro desconhecido do banco de dados.")
                                   : QStringLiteral("erro do banco de dados (%1).").arg(detalhe);
    }
    return Inicio(acesso) + motivo;
}

QString ArquivoAusente(const QString &caminho, Acesso acesso)
{
    const QFileInfo arquivo(caminho);
    return Inicio(acesso)
        + QStringLiteral("o arquivo de dados \"%1\" não foi encontrado na pasta \"%2\".")
              .arg(arquivo.fileName(), arquivo.absolutePath());
}

QString LigacaoPerdida(Acesso acesso)
{
    return Inicio(acesso)
        + QStringLiteral("a ligação com o servidor de banco de dados foi perdida. Tente "
                         "novamente em alguns instantes.");
}

QString NaoAberto(Acesso acesso)
{
    return Inicio(acesso) + QStringLiteral("o banco de dados não está aberto.");
}

QString UsuarioRemovido()
{
    return QStringLiteral("Este usuário não está mais no cadastro.");
}

QString GrupoRemovido()
{
    return QStringLiteral("Este grupo não está mais no cadastro.");
}

} // namespace ErroBanco
