#include "BancoDeDados.h"

#include "OrdemAlfabetica.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kConexao = QStringLiteral("BancoDeDados");

// Every table and column the program reads or writes.
bool temEsquemaCompleto(const QSqlDatabase &db)
{
    const struct
    {
        const char *tabela;
        QStringList colunas;
    } esperado[] = {
        {"Usuarios", {"ID_Usuario", "Nome_Usuario", "ID_Pager", "Descricao", "Data_Cadastro"}},
        {"Grupos", {"ID_Grupo", "Nome_Grupo", "Descricao_Grupo"}},
        {"Usuario_Grupo", {"ID_Usuario", "ID_Grupo"}},
        {"Log", {"Data", "Hora", "Usuario", "Mensagem", "ID_Pager", "ID_Usuario"}},
    };
    for (const auto &t : esperado) {
        const QSqlRecord registro = db.record(QString::fromLatin1(t.tabela));
        for (const QString &coluna : t.colunas) {
            if (!registro.contains(coluna))
                return false;
        }
    }
    return true;
}

} // namespace

bool AbreBancoDeDados(const QString &pastaPrograma, const QString &nomeArquivo)
{
    FechaBancoDeDados();
    const QString caminho = QDir(pastaPrograma).filePath(nomeArquivo);
    if (!QFileInfo(caminho).isFile())
        return false;

    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConexao);
        db.setDatabaseName(caminho);
        // Other operators may share the file: wait for their locks instead of failing at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        ok = db.open() && ordem::RegistraNaConexao(db) && temEsquemaCompleto(db);
        if (ok) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
            // With the write-ahead log this keeps every commit atomic and the file sound; a
            // power cut may only lose the last commits. Waiting for the disk on each commit
            // would make every log row of a transmission cost several milliseconds.
            q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        }
    }
    if (!ok)
        FechaBancoDeDados();
    return ok;
}

void FechaBancoDeDados()
{
    if (!QSqlDatabase::contains(kConexao))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(kConexao, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(kConexao);
}

QSqlDatabase BancoDeDados()
{
    return QSqlDatabase::database(kConexao, false);
}
