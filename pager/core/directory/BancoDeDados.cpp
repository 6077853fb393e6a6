// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancoDeDados.h"

#include "MotorDoBanco.h"
#include "Servidor.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlRecord>

namespace {

const QString kConexao = QStringLiteral("BancoDeDados");

} // namespace

bool TemEsquemaCompleto(const QSqlDatabase &db)
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
        // A server keeps the unquoted names of its schema in lower case.
        QString tabela = QString::fromLatin1(t.tabela);
        if (motor::De(db) == motor::Tipo::Servidor)
            tabela = tabela.toLower();
        const QSqlRecord registro = db.record(tabela);
        for (const QString &coluna : t.colunas) {
            if (!registro.contains(coluna))
                return false;
        }
    }
    return true;
}

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
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(motor::kEsperaMs));
        ok = db.open() && motor::Prepara(db) && TemEsquemaCompleto(db);
    }
    if (!ok)
        FechaBancoDeDados();
    return ok;
}

bool AbreServidor(const QString &conexao, QString *motivo)
{
    FechaBancoDeDados();
    if (!Servidor::Abre(conexao, kConexao, motivo).isOpen())
        return false;
    if (!TemEsquemaCompleto(BancoDeDados())) {
        if (motivo)
            *motivo = QStringLiteral("o banco de dados do servidor não tem as tabelas do "
                                     "Tellumo (crie-as com tellumo-banco).");
        FechaBancoDeDados();
        return false;
    }
    return true;
}

void FechaBancoDeDados()
{
    FechaConexao(kConexao);
}

bool AbreOutraConexao(const QString &nome)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(kConexao, nome);
        ok = db.open() && motor::Prepara(db);
    }
    if (!ok)
        FechaConexao(nome);
    return ok;
}

void FechaConexao(const QString &nome)
{
    if (!QSqlDatabase::contains(nome))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}

QSqlDatabase BancoDeDados()
{
    return QSqlDatabase::database(kConexao, false);
}

void LigaValores(QSqlQuery &consulta, const QVariantList &valores)
{
    for (const QVariant &valor : valores) {
        if (valor.typeId() == QMetaType::QString && valor.toString().isNull())
            consulta.addBindValue(QStringLiteral(""));
        else
            consulta.addBindValue(valor);
    }
}
