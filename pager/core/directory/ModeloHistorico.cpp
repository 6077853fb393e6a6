// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloHistorico.h"

#include <QHash>

namespace {

struct Cabecalho
{
    const char *titulo;
    int larguraTwips;
};

const Cabecalho kColunas[ModeloHistorico::NumeroDeColunas] = {
    {"Data", 915},
    {"Hora", 480},
    {"Usuário", 2835},
    {"Mensagem", 6645},
    {"Código", 735},
};

} // namespace

ModeloHistorico::ModeloHistorico(QObject *pai)
    : ModeloPaginado(NumeroDeColunas, pai)
{ }

bool ModeloHistorico::Carrega(const Diretorio &diretorio, std::optional<int> idUsuario)
{
    diretorio_ = diretorio;
    std::optional<QList<qint64>> chaves = diretorio_.ChavesDoLog(idUsuario);
    TrocaChaves(chaves ? std::move(*chaves) : QList<qint64>());
    return chaves.has_value();
}

bool ModeloHistorico::LeLinhas(
    const QList<qint64> &chaves, QList<QString> &celulas, QString &erro) const
{
    std::optional<Instantaneo> linhas = diretorio_.LinhasDoLog(chaves);
    if (!linhas) {
        erro = diretorio_.Erro();
        return false;
    }
    // The engine gives the rows in its own order; each goes to its key's place.
    QHash<qint64, qsizetype> posicao;
    posicao.reserve(chaves.size());
    for (qsizetype i = 0; i < chaves.size(); ++i)
        posicao.insert(chaves.at(i), i);
    for (; !linhas->NoFim(); linhas->Proximo()) {
        const auto i = posicao.constFind(linhas->Campo(QStringLiteral("Chave")).toLongLong());
        if (i == posicao.constEnd())
            continue;
        QString *celula = celulas.data() + *i * NumeroDeColunas;
        celula[Data] = DataParaExibicao(linhas->Campo(QStringLiteral("Data")).toString());
        celula[Hora] = linhas->Campo(QStringLiteral("Hora")).toString();
        celula[Usuario] = linhas->Campo(QStringLiteral("Usuario")).toString();
        celula[Mensagem] = linhas->Campo(QStringLiteral("Mensagem")).toString();
        celula[Codigo] = linhas->Campo(QStringLiteral("ID_Pager")).toString();
    }
    return true;
}

QVariant ModeloHistorico::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0
        || secao >= NumeroDeColunas)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return QString::fromUtf8(kColunas[secao].titulo);
}

int ModeloHistorico::LarguraTwips(int coluna)
{
    return coluna >= 0 && coluna < NumeroDeColunas ? kColunas[coluna].larguraTwips : 0;
}

QString ModeloHistorico::DataParaExibicao(const QString &data)
{
    // A damaged row (a date shorter than yyyymmdd) is shown as stored rather than cut up.
    if (data.size() < 8)
        return data;
    return data.right(2) + QLatin1Char('/') + data.mid(4, 2) + QLatin1Char('/') + data.left(4);
}
