// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diretorio.h"
#include "MotorDoBanco.h"
#include "OrdemAlfabetica.h"

std::optional<Instantaneo> Diretorio::DestinosPorNome(const QString &nome)
{
    const QSqlDatabase banco = Banco();
    // One statement, so the three answers come from one state of the directory.
    return Le(
        QStringLiteral("SELECT * FROM ("
                       "SELECT 0 AS Tipo, ID_Usuario, ID_Pager, Nome_Usuario FROM Usuarios "
                       "WHERE %1 "
                       "UNION ALL SELECT 1, ID_Usuario, ID_Pager, Nome_Usuario FROM Usuarios "
                       "WHERE %2 "
                       "UNION ALL SELECT 2, u.ID_Usuario, u.ID_Pager, u.Nome_Usuario FROM "
                       "Grupos g LEFT JOIN Usuario_Grupo ug ON ug.ID_Grupo = g.ID_Grupo "
                       "LEFT JOIN Usuarios u ON u.ID_Usuario = ug.ID_Usuario WHERE %3"
                       ") d ORDER BY Tipo, Nome_Usuario COLLATE %4, ID_Usuario")
            .arg(motor::IgualSemCaixa(banco, QStringLiteral("ID_Pager")),
                motor::IgualSemCaixa(banco, QStringLiteral("Nome_Usuario")),
                motor::IgualSemCaixa(banco, QStringLiteral("g.Nome_Grupo")), ordem::Alfabetica()),
        {nome, nome, nome});
}
