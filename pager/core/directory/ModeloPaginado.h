// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// A grid's model of a list too long to hold whole (the history's log, the queue): text
// cells, one row per key. Only the keys stay in memory; the rows themselves are read a
// page at a time, when the grid first asks for one of their cells, and only the last few
// pages are kept. So a list of a million rows opens at once and costs a few megabytes,
// however far the operator scrolls. What a row shows and how a page is read is the
// subclass's part.
class ModeloPaginado : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Rows read from the database at once, and how many such pages are kept.
    static constexpr int kLinhasPorPagina = 128;
    static constexpr int kPaginasGuardadas = 8;

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;

    // The text of one cell, as shown; empty when its page could not be read.
    QString Texto(int linha, int coluna) const;
    // The key of a row (0 outside the list).
    qint64 Chave(int linha) const;

Q_SIGNALS:
    // A page could not be read (the file went away, say): its cells stay empty and no
    // further page is read until the keys are replaced. Sent once, from inside a paint:
    // show it queued.
    void LeituraFalhou(const QString &erro) const;

protected:
    ModeloPaginado(int colunas, QObject *pai);

    // Lists these keys from now on, in this order; every page kept is forgotten.
    void TrocaChaves(QList<qint64> chaves);
    // Fills `celulas` (columnCount() cells a row, row by row, already sized) with the rows of
    // `chaves`; false with a reason in `erro`.
    virtual bool LeLinhas(
        const QList<qint64> &chaves, QList<QString> &celulas, QString &erro) const = 0;

private:
    struct Pagina
    {
        int numero = -1;
        QList<QString> celulas;
    };
    const Pagina *PaginaDaLinha(int linha) const;

    int colunas_;
    QList<qint64> chaves_;
    // Most recently used first.
    mutable QList<Pagina> paginas_;
    mutable bool falhou_ = false;
};
