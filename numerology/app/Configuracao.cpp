#include "Configuracao.h"

#include "CaixaMensagem.h"
#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace Configuracao {

std::optional<QString> LeLinha(const QString &pastaPrograma, const QString &arquivo)
{
    QFile f(QDir(pastaPrograma).filePath(arquivo));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (f.atEnd())
        return std::nullopt;
    QByteArray linha = f.readLine();
    while (linha.endsWith('\n') || linha.endsWith('\r'))
        linha.chop(1);
    return cp1252::decodifica(linha);
}

bool GravaLinha(const QString &pastaPrograma, const QString &arquivo, const QString &linha)
{
    QSaveFile f(QDir(pastaPrograma).filePath(arquivo));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = cp1252::codifica(linha) + "\r\n";
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QString LeCaminhoWord(const QString &pastaPrograma)
{
    if (auto caminho = LeLinha(pastaPrograma, ArquivoWord); caminho && !caminho->isEmpty())
        return *caminho;
    GravaLinha(pastaPrograma, ArquivoWord, CaminhoWordPadrao);
    return LeLinha(pastaPrograma, ArquivoWord).value_or(CaminhoWordPadrao);
}

bool ChecaAcessoInternet(const QString &pastaPrograma, CaixaMensagem &caixa)
{
    auto resposta = LeLinha(pastaPrograma, ArquivoInternet);
    if (!resposta) {
        const auto sim = caixa.pergunta(QStringLiteral("Permitir Novidades via Internet:"),
            QStringLiteral("Este programa possue recursos que permitem à você ter a todo momento "
                           "informações atuais diretamente do servidor de novidades de Quorvane® "
                           "Brasil. Para isso você precisa ser um usuário da Internet. Caso você "
                           "possua acesso a Internet, então clique em 'Sim', caso contrário, "
                           "clique em 'Não'."));
        const QString linha
            = sim == CaixaMensagem::Resposta::Nao ? QStringLiteral("N") : QStringLiteral("S");
        // If the folder is read-only the answer still holds for this run.
        if (!GravaLinha(pastaPrograma, ArquivoInternet, linha))
            return linha == QLatin1String("S");
        resposta = LeLinha(pastaPrograma, ArquivoInternet);
    }
    return resposta && *resposta == QLatin1String("S");
}

bool ExibeDicaAoIniciar(const QString &pastaPrograma)
{
    const auto linha = LeLinha(pastaPrograma, ArquivoDicas);
    return linha && *linha == QLatin1String("S");
}

} // namespace Configuracao
