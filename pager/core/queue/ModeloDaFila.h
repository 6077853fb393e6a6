// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FilaDePaginas.h"
#include "core/directory/ModeloPaginado.h"

// Every page of the queue as the queue window shows it, the newest first: when queued
// (local time, dd/mm/yyyy hh:mm:ss), destination (name and code), text, origin, state,
// attempts, next try (only while waiting) and last reason. Keeps only each page's
// identifier; Carrega again to follow the queue.
class ModeloDaFila : public ModeloPaginado
{
    Q_OBJECT
public:
    enum Coluna {
        Enfileirada,
        Destino,
        Mensagem,
        Origem,
        Estado,
        Tentativas,
        ProximaTentativa,
        UltimaRazao,
        NumeroDeColunas
    };

    // On the program's connection, or on another named one.
    explicit ModeloDaFila(const QString &conexao = {}, QObject *pai = nullptr);

    // Lists the queue as it is now. False when the read failed (Erro() says why); the rows
    // listed before then stay.
    bool Carrega();
    const QString &Erro() const { return fila_.Erro(); }

    QVariant headerData(
        int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    // The widest text each column is drawn for.
    static QString MaisLargo(int coluna);

protected:
    bool LeLinhas(
        const QList<qint64> &chaves, QList<QString> &celulas, QString &erro) const override;

private:
    mutable FilaDePaginas fila_;
};
