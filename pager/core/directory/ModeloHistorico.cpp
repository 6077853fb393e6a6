// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloHistorico.h"

#include <QHash>
#include <algorithm>

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
    : QAbstractTableModel(pai)
{ }

bool ModeloHistorico::Carrega(const Diretorio &diretorio, std::optional<int> idUsuario)
{
    beginResetModel();
    diretorio_ = diretorio;
    paginas_.clear();
    falhou_ = false;
    std::optional<QList<qint64>> chaves = diretorio_.ChavesDoLog(idUsuario);
    chaves_ = chaves ? std::move(*chaves) : QList<qint64>();
    chaves_.squeeze();
    endResetModel();
    return chaves.has_value();
}

bool ModeloHistorico::LePagina(int numero, Pagina &pagina) const
{
    const qsizetype inicio = qsizetype(numero) * kLinhasPorPagina;
    const QList<qint64> chaves = chaves_.mid(inicio, kLinhasPorPagina);
    std::optional<Instantaneo> linhas = diretorio_.LinhasDoLog(chaves);
    if (!linhas)
        return false;
    // The engine gives the rows in its own order; each goes to its key's place.
    QHash<qint64, qsizetype> posicao;
    posicao.reserve(chaves.size());
    for (qsizetype i = 0; i < chaves.size(); ++i)
        posicao.insert(chaves.at(i), i);
    pagina.numero = numero;
    pagina.celulas = QList<QString>(chaves.size() * NumeroDeColunas);
    for (; !linhas->NoFim(); linhas->Proximo()) {
        const auto i = posicao.constFind(linhas->Campo(QStringLiteral("Chave")).toLongLong());
        if (i == posicao.constEnd())
            continue;
        QString *celula = pagina.celulas.data() + *i * NumeroDeColunas;
        celula[Data] = DataParaExibicao(linhas->Campo(QStringLiteral("Data")).toString());
        celula[Hora] = linhas->Campo(QStringLiteral("Hora")).toString();
        celula[Usuario] = linhas->Campo(QStringLiteral("Usuario")).toString();
        celula[Mensagem] = linhas->Campo(QStringLiteral("Mensagem")).toString();
        celula[Codigo] = linhas->Campo(QStringLiteral("ID_Pager")).toString();
    }
    return true;
}

const ModeloHistorico::Pagina *ModeloHistorico::PaginaDaLinha(int linha) const
{
    const int numero = linha / kLinhasPorPagina;
    const auto guardada = std::find_if(
        paginas_.begin(), paginas_.end(), [numero](const Pagina &p) { return p.numero == numero; });
    if (guardada != paginas_.end()) {
        if (guardada != paginas_.begin())
            std::rotate(paginas_.begin(), guardada, guardada + 1);
        return &paginas_.front();
    }
    if (falhou_)
        return nullptr;
    Pagina pagina;
    if (!LePagina(numero, pagina)) {
        falhou_ = true;
        Q_EMIT LeituraFalhou(diretorio_.Erro());
        return nullptr;
    }
    if (paginas_.size() >= kPaginasGuardadas)
        paginas_.removeLast();
    paginas_.prepend(std::move(pagina));
    return &paginas_.front();
}

int ModeloHistorico::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(chaves_.size());
}

int ModeloHistorico::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : NumeroDeColunas;
}

QVariant ModeloHistorico::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || (papel != Qt::DisplayRole && papel != Qt::ToolTipRole))
        return {};
    return Texto(indice.row(), indice.column());
}

QVariant ModeloHistorico::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0
        || secao >= NumeroDeColunas)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return QString::fromUtf8(kColunas[secao].titulo);
}

QString ModeloHistorico::Texto(int linha, int coluna) const
{
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= NumeroDeColunas)
        return {};
    const Pagina *pagina = PaginaDaLinha(linha);
    if (!pagina)
        return {};
    return pagina->celulas.at(qsizetype(linha % kLinhasPorPagina) * NumeroDeColunas + coluna);
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
