// SPDX-License-Identifier: GPL-3.0-or-later
#include "BancadaEnvio.h"

#include "core/modem/Discagem.h"
#include "core/tap/Transmissao.h"

#include <QSqlQuery>

BancadaEnvio::BancadaEnvio()
{
    modem.instala(linha);
    servico.instala(modem);
    modulo.DefineNumeroPorta(1);
    modulo.ConfiguraModem();
}

int BancadaEnvio::cadastra(const QString &nome, const QString &codigo)
{
    return diretorio
        .InsereUsuario(
            QStringLiteral("Não há descrição para este usuário."), codigo, QDate(2026, 12, 1), nome)
        .value_or(-1);
}

int BancadaEnvio::agrupa(const QString &nome, const QList<int> &membros)
{
    const int id = diretorio.InsereGrupo(QStringLiteral("Grupo de teste"), nome).value_or(-1);
    for (int membro : membros)
        diretorio.InsereUsuarioNoGrupo(membro, id);
    return id;
}

bool BancadaEnvio::envia(PedidoEnvio::Modo modo, int identificador, const QString &texto)
{
    Transmissao transmissao(modulo, diretorio, visor, PedidoEnvio{modo, identificador, texto},
        [this] { return calendario ? calendario() : momento; });
    return transmissao.IniciaProcesso();
}

QStringList BancadaEnvio::log() const
{
    QStringList linhas;
    QSqlQuery consulta(BancoDeDados());
    consulta.exec(QStringLiteral("SELECT Data, Hora, Usuario, Mensagem, ID_Pager, ID_Usuario "
                                 "FROM Log ORDER BY rowid"));
    while (consulta.next()) {
        QStringList campos;
        for (int i = 0; i < 6; ++i)
            campos.append(consulta.value(i).toString());
        linhas.append(campos.join(QLatin1Char('|')));
    }
    return linhas;
}

QByteArray BancadaEnvio::escritoAposConectar() const
{
    const QByteArray tudo = linha.escrito();
    const QByteArray discagem = MontaLinhaDiscagem(LeParametrosDiscagem(ini)).toLatin1();
    const qsizetype fimDiscagem = tudo.indexOf(discagem + '\r');
    return fimDiscagem < 0 ? QByteArray() : tudo.mid(fimDiscagem + discagem.size() + 1);
}

double BancadaEnvio::instanteDe(const QByteArray &bytes) const
{
    for (const LinhaRoteirizada::Escrita &e : linha.escritas()) {
        if (e.bytes == bytes)
            return e.instante;
    }
    return -1;
}
