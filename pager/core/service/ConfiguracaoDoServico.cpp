// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfiguracaoDoServico.h"

#include "Cp1252.h"
#include "core/settings/ArquivoIni.h"
#include "core/snpp/TextoSnpp.h"

#include <QDir>
#include <QHostInfo>
#include <QRegularExpression>

namespace {

const QString kAusente = QStringLiteral("\x01");

class Leitor
{
public:
    Leitor(const ArquivoIni &ini, QString *motivo)
        : m_ini(ini)
        , m_motivo(motivo)
    { }

    // The value of `chave`, spelled in Windows-1252 or in UTF-8, read as UTF-8 when it was
    // written so; `padrao` when absent.
    QString texto(const QString &secao, const QString &chave, const QString &padrao = {}) const
    {
        QString valor = m_ini.LePerfil(secao, chave, kAusente);
        if (valor == kAusente)
            valor = m_ini.LePerfil(secao, cp1252::decodifica(chave.toUtf8()), kAusente);
        if (valor == kAusente)
            return padrao;
        return TextoSnpp::Decodifica(cp1252::codifica(valor)).trimmed();
    }

    template <typename N>
    bool numero(const QString &secao, const QString &chave, N minimo, N maximo, N &valor)
    {
        const QString t = texto(secao, chave);
        if (t.isEmpty())
            return true;
        bool ok = false;
        const double lido = t.toDouble(&ok);
        if (ok && lido >= minimo && lido <= maximo
            && (std::is_floating_point_v<
                    N> || lido == static_cast<double>(static_cast<long long>(lido)))) {
            valor = static_cast<N>(lido);
            return true;
        }
        return falha(
            secao, chave, t, QStringLiteral("use um número de %1 a %2").arg(minimo).arg(maximo));
    }

    bool simNao(const QString &secao, const QString &chave, bool &valor)
    {
        const QString t = texto(secao, chave);
        if (t.isEmpty())
            return true;
        if (t.compare(QStringLiteral("Sim"), Qt::CaseInsensitive) == 0)
            valor = true;
        else if (t.compare(QStringLiteral("Não"), Qt::CaseInsensitive) == 0)
            valor = false;
        else
            return falha(secao, chave, t, QStringLiteral("use Sim ou Não"));
        return true;
    }

    bool falha(
        const QString &secao, const QString &chave, const QString &valor, const QString &dica) const
    {
        if (m_motivo) {
            *m_motivo = QStringLiteral("Valor inválido para \"%1\" em [%2]: \"%3\" (%4).")
                            .arg(chave, secao, valor, dica);
        }
        return false;
    }

private:
    const ArquivoIni &m_ini;
    QString *m_motivo;
};

QString caminho(const QString &pasta, const QString &arquivo)
{
    return arquivo.isEmpty() ? QString() : QDir::cleanPath(QDir(pasta).absoluteFilePath(arquivo));
}

} // namespace

std::optional<ConfiguracaoDoServico> ConfiguracaoDoServico::Le(
    const ArquivoIni &ini, const QString &bancoPadrao, QString *motivo)
{
    const QString banco = QStringLiteral("BANCO");
    const QString snpp = QStringLiteral("SNPP");
    const QString fila = QStringLiteral("FILA");
    const QString http = QStringLiteral("HTTP");
    Leitor le(ini, motivo);
    ConfiguracaoDoServico c;

    c.servidorBanco = le.texto(banco, QStringLiteral("Servidor"));
    c.arquivoBanco = caminho(ini.pasta(), le.texto(banco, QStringLiteral("Arquivo")));
    if (c.arquivoBanco.isEmpty())
        c.arquivoBanco = bancoPadrao;

    const QString enderecos = le.texto(snpp, QStringLiteral("Endereço"));
    if (!enderecos.isEmpty()) {
        c.enderecosSnpp.clear();
        const QStringList partes
            = enderecos.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
        for (const QString &parte : partes) {
            QHostAddress endereco;
            if (!endereco.setAddress(parte)) {
                le.falha(snpp, QStringLiteral("Endereço"), parte,
                    QStringLiteral("use endereços IP separados por vírgulas, como 127.0.0.1"));
                return std::nullopt;
            }
            c.enderecosSnpp.append(endereco);
        }
    }
    const QString enderecoHttp = le.texto(http, QStringLiteral("Endereço"));
    if (!enderecoHttp.isEmpty() && !c.enderecoHttp.setAddress(enderecoHttp)) {
        le.falha(http, QStringLiteral("Endereço"), enderecoHttp,
            QStringLiteral("use um endereço IP, como 127.0.0.1"));
        return std::nullopt;
    }
    c.tokenHttp = le.texto(http, QStringLiteral("Token"));
    c.arquivoDeContas = caminho(ini.pasta(), le.texto(snpp, QStringLiteral("Arquivo de Contas")));
    c.nome = le.texto(fila, QStringLiteral("Nome do Serviço"), QHostInfo::localHostName());

    const bool lidos
        = le.numero(snpp, QStringLiteral("Porta"), quint16(1), quint16(65535), c.portaSnpp)
        && le.numero(http, QStringLiteral("Porta"), quint16(1), quint16(65535), c.portaHttp)
        && le.numero(snpp, QStringLiteral("Máximo de Conexões"), 1, 10000, c.maximoDeConexoes)
        && le.numero(snpp, QStringLiteral("Segundos Ocioso"), 1, 86400, c.segundosOcioso)
        && le.numero(
            snpp, QStringLiteral("Páginas por Envio"), 1, 100000, c.limites.paginasPorTransacao)
        && le.simNao(snpp, QStringLiteral("Código Avulso"), c.limites.aceitaCodigoAvulso)
        && le.numero(fila, QStringLiteral("Máximo de Páginas"), 0, 100000000, c.maximoDePaginas)
        && le.numero(fila, QStringLiteral("Primeira Espera"), qint64(1), qint64(86400),
            c.politica.primeiraEsperaS)
        && le.numero(fila, QStringLiteral("Fator"), 1.0, 10.0, c.politica.fator)
        && le.numero(
            fila, QStringLiteral("Máximo de Tentativas"), 1, 1000, c.politica.maximoDeTentativas)
        && le.numero(fila, QStringLiteral("Idade Máxima"), qint64(60), qint64(30 * 86400),
            c.politica.idadeMaximaS);
    if (!lidos)
        return std::nullopt;
    return c;
}
