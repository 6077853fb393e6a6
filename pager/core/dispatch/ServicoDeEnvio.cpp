// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicoDeEnvio.h"

#include "Cp1252.h"
#include "core/directory/Diretorio.h"
#include "core/settings/ArquivoIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

const QString kSecao = QStringLiteral("SERVICO");
const QString kEndereco = QStringLiteral("Endereço");

// The first line of a file only its owner may read: a password others could read would
// be one anyone on the desk may use.
std::optional<QString> leSenha(const QString &caminho, QString *motivo)
{
    const QFileInfo info(caminho);
    if (!info.exists()) {
        *motivo = QStringLiteral("O arquivo de senha %1 não existe.").arg(caminho);
        return {};
    }
    if (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
        *motivo = QStringLiteral("O arquivo de senha %1 pode ser lido por outros usuários. "
                                 "Deixe-o legível só por você (chmod 600 %1).")
                      .arg(caminho);
        return {};
    }
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        *motivo = QStringLiteral("Não foi possível ler o arquivo de senha %1: %2")
                      .arg(caminho, arquivo.errorString());
        return {};
    }
    QByteArray linha = arquivo.readLine();
    while (linha.endsWith('\n') || linha.endsWith('\r'))
        linha.chop(1);
    // UTF-8 as tellumo-enviar reads the same file; a file saved in Windows-1252 also works.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString senha = utf8(linha);
    return utf8.hasError() ? cp1252::decodifica(linha) : senha;
}

} // namespace

bool ServicoDeEnvio::Nomeado(const ArquivoIni &ini)
{
    return !ini.LePerfil(kSecao, kEndereco, QString()).trimmed().isEmpty();
}

std::optional<ServicoDeEnvio> ServicoDeEnvio::Le(const ArquivoIni &ini, QString *motivo)
{
    const QString endereco = ini.LePerfil(kSecao, kEndereco, QString()).trimmed();
    const QString porta = ini.LePerfil(kSecao, QStringLiteral("Porta"), QString()).trimmed();
    ServicoDeEnvio servico;
    std::optional<EnderecoSnpp> lido = EnderecoSnpp::Le(endereco);
    if (lido && !porta.isEmpty()) {
        // The port alone, read as the client reads one after a host.
        const std::optional<EnderecoSnpp> soPorta
            = EnderecoSnpp::Le(QStringLiteral("[::]:") + porta);
        lido = soPorta ? std::optional(EnderecoSnpp{lido->servidor, soPorta->porta}) : std::nullopt;
    }
    if (!lido) {
        *motivo = QStringLiteral("O endereço do serviço de envio (seção [SERVICO] de %1) é "
                                 "inválido: \"%2\", porta \"%3\".")
                      .arg(ini.caminho(), endereco, porta);
        return {};
    }
    servico.endereco = *lido;
    servico.conta = ini.LePerfil(kSecao, QStringLiteral("Conta"), QString()).trimmed();
    const QString arquivo
        = ini.LePerfil(kSecao, QStringLiteral("Arquivo de Senha"), QString()).trimmed();
    if (!arquivo.isEmpty()) {
        std::optional<QString> senha = leSenha(QDir(ini.pasta()).absoluteFilePath(arquivo), motivo);
        if (!senha)
            return {};
        servico.senha = *senha;
    }
    return servico;
}

std::optional<PedidoSnpp> ServicoDeEnvio::Pedido(
    Diretorio &diretorio, const PedidoEnvio &pedido, QString *motivo) const
{
    PedidoSnpp snpp{endereco, conta, senha, {}, pedido.texto};
    const bool grupo = pedido.modo == PedidoEnvio::Modo::Grupo;
    std::optional<Instantaneo> linhas
        = grupo ? diretorio.ListaGrupos() : diretorio.PagerENomeUsuario(pedido.identificador);
    if (!linhas) {
        *motivo = diretorio.Erro();
        return {};
    }
    for (; !linhas->NoFim(); linhas->Proximo()) {
        if (!grupo) {
            snpp.destinos << linhas->Campo(QStringLiteral("ID_Pager")).toString().trimmed();
            break;
        }
        if (linhas->Campo(QStringLiteral("ID_Grupo")).toInt() == pedido.identificador) {
            snpp.destinos << linhas->Campo(QStringLiteral("Nome_Grupo")).toString().trimmed();
            break;
        }
    }
    if (snpp.destinos.isEmpty()) {
        *motivo = grupo ? QStringLiteral("O grupo escolhido não existe mais.")
                        : QStringLiteral("O usuário escolhido não existe mais.");
        return {};
    }
    return snpp;
}
