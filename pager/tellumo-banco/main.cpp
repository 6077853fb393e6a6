// SPDX-License-Identifier: GPL-3.0-or-later
// tellumo-banco: puts Tellumo's directory on a PostgreSQL server, so that operators on
// several machines share one directory and one history.
#include "core/directory/DiretorioNoServidor.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args.at(0) == QLatin1String("copiar"))
        return DiretorioNoServidor::Copia(args.at(1), args.at(2), saida, erros) ? 0 : 1;
    if (args.size() == 2 && args.at(0) == QLatin1String("criar"))
        return DiretorioNoServidor::Cria(args.at(1), saida, erros) ? 0 : 1;
    erros << "Uso:\n"
             "  tellumo-banco criar \"CONEXAO\"\n"
             "      cria as tabelas do diretório num banco de dados vazio do servidor\n"
             "  tellumo-banco copiar ARQUIVO.Mdb \"CONEXAO\"\n"
             "      cria as tabelas e copia para elas os usuários, grupos e histórico do arquivo\n"
             "CONEXAO é uma indicação do libpq, por exemplo \"host=servidor dbname=tellumo "
             "user=operador\";\n"
             "a senha vem de ~/.pgpass ou PGPASSWORD, nunca da linha de comando."
          << Qt::endl;
    return 2;
}
