// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuracao.h"

#include "CaixaMensagem.h"
#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <memory>
#include <vector>

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
    return GravaLinhas(pastaPrograma, {{arquivo, linha}});
}

bool GravaLinhas(const QString &pastaPrograma, const QList<LinhaDeArquivo> &linhas, QString *falhou)
{
    // A save file not committed is discarded when it goes out of scope.
    std::vector<std::unique_ptr<QSaveFile>> novos;
    for (const auto &[arquivo, linha] : linhas) {
        auto f = std::make_unique<QSaveFile>(QDir(pastaPrograma).filePath(arquivo));
        const QByteArray bytes = cp1252::codifica(linha) + "\r\n";
        if (!f->open(QIODevice::WriteOnly) || f->write(bytes) != bytes.size() || !f->flush()) {
            if (falhou)
                *falhou = arquivo;
            return false;
        }
        novos.push_back(std::move(f));
    }
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (!novos[static_cast<size_t>(i)]->commit()) {
            if (falhou)
                *falhou = linhas[i].first;
            return false;
        }
    }
    return true;
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
