#include "ModeloHistorico.h"

#include "Diretorio.h"

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

bool ModeloHistorico::Carrega(Diretorio &diretorio, std::optional<int> idUsuario)
{
    std::optional<Instantaneo> log
        = idUsuario ? diretorio.LogDoUsuario(*idUsuario) : diretorio.ListaLog();
    beginResetModel();
    textos_.clear();
    inicios_ = {0};
    linhas_ = 0;
    if (log) {
        inicios_.reserve(qsizetype(log->NumeroDeRegistros()) * NumeroDeColunas + 1);
        for (; !log->NoFim(); log->Proximo()) {
            Acrescenta(DataParaExibicao(log->Campo(QStringLiteral("Data")).toString()));
            Acrescenta(log->Campo(QStringLiteral("Hora")).toString());
            Acrescenta(log->Campo(QStringLiteral("Usuario")).toString());
            Acrescenta(log->Campo(QStringLiteral("Mensagem")).toString());
            Acrescenta(log->Campo(QStringLiteral("ID_Pager")).toString());
            ++linhas_;
        }
        log->Fecha();
    }
    textos_.squeeze();
    endResetModel();
    return log.has_value();
}

void ModeloHistorico::Acrescenta(const QString &celula)
{
    textos_.append(celula.toUtf8());
    inicios_.append(textos_.size());
}

int ModeloHistorico::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : linhas_;
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
    if (linha < 0 || linha >= linhas_ || coluna < 0 || coluna >= NumeroDeColunas)
        return {};
    const qsizetype i = qsizetype(linha) * NumeroDeColunas + coluna;
    return QString::fromUtf8(
        textos_.constData() + inicios_.at(i), inicios_.at(i + 1) - inicios_.at(i));
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
