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

} // namespace

QString Texto(const QSqlError &erro, const QString &driver, Acesso acesso)
{
    bool numerico = false;
    const int codigo = erro.nativeErrorCode().toInt(&numerico);
    QString motivo;
    if (driver == QLatin1String("QSQLITE") && numerico)
        motivo = MotivoSqlite(codigo);
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
