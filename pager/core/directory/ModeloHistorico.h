// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Diretorio.h"
#include "ModeloPaginado.h"

#include <QList>
#include <QString>
#include <optional>

// The rows of the message history as the grid shows them: five text columns (date as
// dd/mm/yyyy, time, name, message, pager code) in the order of date, time and name.
// Opening it reads only the key of every row it will list, the rows a page at a time
// (ModeloPaginado). The list of keys is fixed when the model is loaded: a history window
// is a picture of the log at the moment it was opened, never refreshed, never edited.
class ModeloHistorico : public ModeloPaginado
{
    Q_OBJECT
public:
    enum Coluna { Data, Hora, Usuario, Mensagem, Codigo, NumeroDeColunas };

    explicit ModeloHistorico(QObject *pai = nullptr);

    // Lists every log row (no user) or those of one user, by date, time and name, reading
    // through `diretorio` now and whenever a page is needed. False when the read failed
    // (Erro() says why); the model is then empty.
    bool Carrega(const Diretorio &diretorio, std::optional<int> idUsuario);
    const QString &Erro() const { return diretorio_.Erro(); }

    QVariant headerData(
        int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    // Width of each column in twips (1/1440 inch).
    static int LarguraTwips(int coluna);

    // "yyyymmdd" shown day first: last two characters, fifth and sixth, first four.
    static QString DataParaExibicao(const QString &data);

protected:
    bool LeLinhas(
        const QList<qint64> &chaves, QList<QString> &celulas, QString &erro) const override;

private:
    mutable Diretorio diretorio_;
};
