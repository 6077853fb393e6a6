#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class Diretorio;

// The rows of the message history as the grid shows them: five text columns (date as
// dd/mm/yyyy, time, name, message, pager code) in the order the directory gave them.
// It is filled once, from one read of the Log table, and never refreshed or edited: a
// history window is a picture of the log at the moment it was opened. The texts of all
// cells are kept one after another in a single UTF-8 buffer and turned into QStrings only
// for the cells on screen, so a long log stays small in memory.
class ModeloHistorico : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Coluna { Data, Hora, Usuario, Mensagem, Codigo, NumeroDeColunas };

    explicit ModeloHistorico(QObject *pai = nullptr);

    // Reads every log row (no user) or those of one user, by date, time and name.
    // False when the read failed (Diretorio::Erro() says why); the model is then empty.
    bool Carrega(Diretorio &diretorio, std::optional<int> idUsuario);

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(
        int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    // The text of one cell, as shown.
    QString Texto(int linha, int coluna) const;

    // Width of each column in twips (1/1440 inch).
    static int LarguraTwips(int coluna);

    // "yyyymmdd" shown day first: last two characters, fifth and sixth, first four.
    static QString DataParaExibicao(const QString &data);

private:
    void Acrescenta(const QString &celula);

    QByteArray textos_;
    // Where each cell starts in textos_ (row by row, NumeroDeColunas cells a row), and
    // where the last one ends.
    QList<qsizetype> inicios_;
    int linhas_ = 0;
};
