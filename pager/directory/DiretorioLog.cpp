#include "Diretorio.h"
#include "OrdemAlfabetica.h"

std::optional<Instantaneo> Diretorio::ListaLog()
{
    return Le(QStringLiteral("SELECT * FROM Log ORDER BY Data, Hora, Usuario COLLATE ")
        + ordem::Alfabetica());
}

std::optional<Instantaneo> Diretorio::LogDoUsuario(int idUsuario)
{
    return Le(QStringLiteral(
                  "SELECT * FROM Log WHERE ID_Usuario = ? ORDER BY Data, Hora, Usuario COLLATE ")
            + ordem::Alfabetica(),
        {idUsuario});
}

bool Diretorio::GravaLog(const QDateTime &momento, const QString &usuario, const QString &mensagem,
    const QString &idPager, int idUsuario)
{
    // Text order of "yyyymmdd" and a 24-hour "hh:mm" is chronological order.
    return Altera(QStringLiteral("INSERT INTO Log (Data, Hora, Usuario, Mensagem, ID_Pager, "
                                 "ID_Usuario) VALUES (?, ?, ?, ?, ?, ?)"),
        {momento.toString(QStringLiteral("yyyyMMdd")), momento.toString(QStringLiteral("hh:mm")),
            usuario, mensagem, idPager, idUsuario});
}
