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
    linhas_.clear();
    if (log) {
        linhas_.reserve(log->NumeroDeRegistros());
        for (; !log->NoFim(); log->Proximo()) {
            Linha linha;
            linha.celulas[Data] = DataParaExibicao(log->Campo(QStringLiteral("Data")).toString());
            linha.celulas[Hora] = log->Campo(QStringLiteral("Hora")).toString();
            linha.celulas[Usuario] = log->Campo(QStringLiteral("Usuario")).toString();
            linha.celulas[Mensagem] = log->Campo(QStringLiteral("Mensagem")).toString();
            linha.celulas[Codigo] = log->Campo(QStringLiteral("ID_Pager")).toString();
            linhas_.append(std::move(linha));
        }
        log->Fecha();
    }
    endResetModel();
    return log.has_value();
}

int ModeloHistorico::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
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
    if (linha < 0 || linha >= linhas_.size() || coluna < 0 || coluna >= NumeroDeColunas)
        return {};
    return linhas_.at(linha).celulas[coluna];
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
