// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloPaginado.h"

#include <algorithm>

ModeloPaginado::ModeloPaginado(int colunas, QObject *pai)
    : QAbstractTableModel(pai)
    , colunas_(colunas)
{ }

void ModeloPaginado::TrocaChaves(QList<qint64> chaves)
{
    beginResetModel();
    chaves_ = std::move(chaves);
    chaves_.squeeze();
    paginas_.clear();
    falhou_ = false;
    endResetModel();
}

const ModeloPaginado::Pagina *ModeloPaginado::PaginaDaLinha(int linha) const
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
    pagina.numero = numero;
    const QList<qint64> chaves
        = chaves_.mid(qsizetype(numero) * kLinhasPorPagina, kLinhasPorPagina);
    pagina.celulas = QList<QString>(chaves.size() * colunas_);
    QString erro;
    if (!LeLinhas(chaves, pagina.celulas, erro)) {
        falhou_ = true;
        Q_EMIT LeituraFalhou(erro);
        return nullptr;
    }
    if (paginas_.size() >= kPaginasGuardadas)
        paginas_.removeLast();
    paginas_.prepend(std::move(pagina));
    return &paginas_.front();
}

int ModeloPaginado::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(chaves_.size());
}

int ModeloPaginado::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : colunas_;
}

QVariant ModeloPaginado::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || (papel != Qt::DisplayRole && papel != Qt::ToolTipRole))
        return {};
    return Texto(indice.row(), indice.column());
}

QString ModeloPaginado::Texto(int linha, int coluna) const
{
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= colunas_)
        return {};
    const Pagina *pagina = PaginaDaLinha(linha);
    if (!pagina)
        return {};
    return pagina->celulas.at(qsizetype(linha % kLinhasPorPagina) * colunas_ + coluna);
}

qint64 ModeloPaginado::Chave(int linha) const
{
    return linha >= 0 && linha < chaves_.size() ? chaves_.at(linha) : 0;
}
