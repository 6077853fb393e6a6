// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Diretorio.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <optional>

// The rows of the message history as the grid shows them: five text columns (date as
// dd/mm/yyyy, time, name, message, pager code) in the order of date, time and name.
// Opening it reads only the key of every row it will list; the rows themselves are read
// from the directory a page at a time, when the grid first asks for one of their cells,
// and only the last few pages are kept. So a log of a million rows opens at once and
// costs a few megabytes, however far the operator scrolls. The list of keys is fixed when
// the model is loaded: a history window is a picture of the log at the moment it was
// opened, never refreshed, never edited.
class ModeloHistorico : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Coluna { Data, Hora, Usuario, Mensagem, Codigo, NumeroDeColunas };
    // Rows read from the directory at once, and how many such pages are kept.
    static constexpr int kLinhasPorPagina = 128;
    static constexpr int kPaginasGuardadas = 8;

    explicit ModeloHistorico(QObject *pai = nullptr);

    // Lists every log row (no user) or those of one user, by date, time and name, reading
    // through `diretorio` now and whenever a page is needed. False when the read failed
    // (Erro() says why); the model is then empty.
    bool Carrega(const Diretorio &diretorio, std::optional<int> idUsuario);
    const QString &Erro() const { return diretorio_.Erro(); }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(
        int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    // The text of one cell, as shown; empty when its page could not be read.
    QString Texto(int linha, int coluna) const;

    // Width of each column in twips (1/1440 inch).
    static int LarguraTwips(int coluna);

    // "yyyymmdd" shown day first: last two characters, fifth and sixth, first four.
    static QString DataParaExibicao(const QString &data);

Q_SIGNALS:
    // A page could not be read (the file went away, say): its cells stay empty and no
    // further page is read. Sent once, from inside a paint: show it queued.
    void LeituraFalhou(const QString &erro) const;

private:
    struct Pagina
    {
        int numero = -1;
        QList<QString> celulas; // row by row, NumeroDeColunas cells a row
    };
    const Pagina *PaginaDaLinha(int linha) const;
    bool LePagina(int numero, Pagina &pagina) const;

    mutable Diretorio diretorio_;
    QList<qint64> chaves_;
    // Most recently used first.
    mutable QList<Pagina> paginas_;
    mutable bool falhou_ = false;
};
